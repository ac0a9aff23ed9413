// SPDX-License-Identifier: Apache-2.0
#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QtTest>

// The 20 help pages as sources: each one well-formed UTF-8 HTML in its own language, built from the same
// elements in the same order as the English page, and naming every button, column and verdict the English
// page names, at the same place, the way the catalogue of its language translates it.
class TestHelpPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageIsWellFormedInItsLanguage_data();
    void pageIsWellFormedInItsLanguage();
    void pageHasTheElementsOfTheEnglishPage_data();
    void pageHasTheElementsOfTheEnglishPage();
    void pageNamesWhatTheCatalogueNames_data();
    void pageNamesWhatTheCatalogueNames();

private:
    QStringList englishElements;
    QList<QPair<QString, QString>> englishNames;
};

namespace {

struct HelpPage
{
    bool readable = false;
    bool validUtf8 = false;
    QString html;
};

HelpPage ReadPage(const QString& code)
{
    HelpPage page;
    QFile file(QStringLiteral(QUORLITH_SOURCE_DIR "/help/help_%1.html").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return page;
    const QByteArray bytes = file.readAll();
    QTextCodec::ConverterState state;
    page.html = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    page.readable = true;
    page.validUtf8 = state.invalidChars == 0;
    return page;
}

const QRegularExpression& TagPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("<(/?)([a-z][a-z0-9]*)((?:\\s+[a-z-]+=\"[^\"<>]*\")*)\\s*>"));
    return pattern;
}

QString ClassOf(const QString& attributes)
{
    return QRegularExpression(QStringLiteral("class=\"([^\"]*)\"")).match(attributes).captured(1);
}

bool IsVoidElement(const QString& name)
{
    return name == QLatin1String("meta") || name == QLatin1String("br") || name == QLatin1String("hr");
}

// Every element with its class, in document order: "p", "span.ui", "/span".
QStringList ElementsOf(const QString& html)
{
    QStringList elements;
    QRegularExpressionMatchIterator it = TagPattern().globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch tag = it.next();
        const QString cls = ClassOf(tag.captured(3));
        elements << tag.captured(1) + tag.captured(2) + (cls.isEmpty() ? QString() : "." + cls);
    }
    return elements;
}

// The class and plain text of each span that names something in the window, in document order.
QList<QPair<QString, QString>> NamesOf(const QString& html)
{
    QList<QPair<QString, QString>> names;
    // A name from another part of the window than its main texts says in which translation context its
    // catalogue holds it: <span class="ui" data-context="ResultListMenu">.
    QRegularExpressionMatchIterator it =
        QRegularExpression(
            QStringLiteral("<span class=\"(ui|ok|fail)\"(?: data-context=\"([A-Za-z]+)\")?>([^<]*)</span>"))
            .globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch span = it.next();
        const QString context = span.captured(2).isEmpty() ? QStringLiteral("QObject") : span.captured(2);
        names << qMakePair(span.captured(1) + QLatin1Char('|') + context,
                           QTextDocumentFragment::fromHtml(span.captured(3)).toPlainText());
    }
    return names;
}

// Empty when the markup nests properly, every attribute is quoted and no stray '<', '>' or '&' stands in
// the text; otherwise what is wrong first.
QString MarkupFault(const QString& html)
{
    const QString doctype = QStringLiteral("<!DOCTYPE html>");
    if (!html.startsWith(doctype))
        return QStringLiteral("no doctype at the start");
    const QRegularExpression entity(QStringLiteral("^&(?:[a-z]+|#[0-9]+);"));
    QStringList open;
    int textStart = doctype.size();
    QRegularExpressionMatchIterator it = TagPattern().globalMatch(html, textStart);
    auto textFault = [&](int end) -> QString {
        const QString text = html.mid(textStart, end - textStart);
        if (text.contains('<') || text.contains('>'))
            return "stray angle bracket in: " + text.left(80);
        for (int at = text.indexOf('&'); at >= 0; at = text.indexOf('&', at + 1)) {
            if (!entity.match(text.mid(at)).hasMatch())
                return "stray ampersand in: " + text.left(80);
        }
        return QString();
    };
    while (it.hasNext()) {
        const QRegularExpressionMatch tag = it.next();
        const QString fault = textFault(tag.capturedStart());
        if (!fault.isEmpty())
            return fault;
        textStart = tag.capturedEnd();
        const QString name = tag.captured(2);
        if (tag.captured(1).isEmpty()) {
            if (open.isEmpty() && name != QLatin1String("html"))
                return "element outside html: " + name;
            if (!IsVoidElement(name))
                open << name;
        } else if (open.isEmpty() || open.takeLast() != name) {
            return "closing tag out of place: " + name;
        }
        if (open.isEmpty())
            break;
    }
    if (!open.isEmpty())
        return "unclosed: " + open.join(' ');
    const QString trailing = html.mid(textStart).trimmed();
    return trailing.isEmpty() ? textFault(textStart) : "text after the html element: " + trailing.left(80);
}

void AddPageRows()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("language");
    const char* const pages[][2] = {
        {"chs", "zh-Hans"}, {"cht", "zh-Hant"}, {"csy", "cs"}, {"dan", "da"}, {"enu", "en"},
        {"fre", "fr"},      {"ger", "de"},      {"hun", "hu"}, {"ita", "it"}, {"jpn", "ja"},
        {"krn", "ko"},      {"nld", "nl"},      {"nor", "nb"}, {"plk", "pl"}, {"ptb", "pt-BR"},
        {"ptg", "pt-PT"},   {"rus", "ru"},      {"spn", "es"}, {"sve", "sv"}, {"trk", "tr"}};
    for (const auto& page : pages)
        QTest::newRow(page[0]) << page[0] << page[1];
}

} // namespace

void TestHelpPages::initTestCase()
{
    const HelpPage english = ReadPage("enu");
    QVERIFY(english.readable);
    englishElements = ElementsOf(english.html);
    englishNames = NamesOf(english.html);
    QVERIFY(englishElements.count("h2") >= 5);
    QVERIFY(englishNames.size() >= 10);
}

void TestHelpPages::pageIsWellFormedInItsLanguage_data()
{
    AddPageRows();
}

void TestHelpPages::pageIsWellFormedInItsLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, language);
    const HelpPage page = ReadPage(code);
    QVERIFY(page.readable);
    QVERIFY(page.validUtf8);
    const QString fault = MarkupFault(page.html);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(page.html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
    QVERIFY(page.html.contains(QLatin1String("<meta charset=\"utf-8\">")));
    QVERIFY(
        !QRegularExpression(QStringLiteral("<title>([^<]+)</title>")).match(page.html).captured(1).isEmpty());
}

void TestHelpPages::pageHasTheElementsOfTheEnglishPage_data()
{
    AddPageRows();
}

void TestHelpPages::pageHasTheElementsOfTheEnglishPage()
{
    QFETCH(QString, code);
    const HelpPage page = ReadPage(code);
    QVERIFY(page.readable);
    QCOMPARE(ElementsOf(page.html), englishElements);
}

void TestHelpPages::pageNamesWhatTheCatalogueNames_data()
{
    AddPageRows();
}

void TestHelpPages::pageNamesWhatTheCatalogueNames()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
    const HelpPage page = ReadPage(code);
    QVERIFY(page.readable);
    const QList<QPair<QString, QString>> names = NamesOf(page.html);
    QCOMPARE(names.size(), englishNames.size());
    for (int i = 0; i < names.size(); ++i) {
        const QString source = englishNames.at(i).second;
        // A text missing from the catalogue shows in English, as "Cancel" does on the progress panel.
        const QString context = englishNames.at(i).first.section(QLatin1Char('|'), 1);
        QString expected = translator.translate(context.toUtf8().constData(), source.toUtf8().constData());
        if (expected.isEmpty()) {
            QCOMPARE(source, QString("Cancel"));
            expected = source;
        }
        QCOMPARE(names.at(i).first, englishNames.at(i).first);
        QCOMPARE(names.at(i).second, expected);
    }
}

QTEST_MAIN(TestHelpPages)
#include "TestHelpPages.moc"
