// SPDX-License-Identifier: Apache-2.0
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const char* const rightsNotice = "Copyright (C) %1 Trevalon Inc. All rights reserved.";

// The texts the program looks up, as its code spells them ("Cancel" is looked up too, but on purpose
// stands in no catalogue).
const QStringList programTexts{"Trevalon Quorlith",
                               "About Trevalon Quorlith",
                               rightsNotice,
                               "Version",
                               "File Name",
                               "Authentication Result",
                               "Start Time",
                               "Stop Time",
                               "Serial no",
                               "Open File(s)",
                               "Open Folder",
                               "Remove File(s)",
                               "Help",
                               "About",
                               "Authentication succeeded",
                               "Authentication failed",
                               "Total files",
                               "Images and Videos",
                               "Processing"};

void AddCodeRows()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"chs", "cht", "csy", "dan", "enu", "fre", "ger", "hun", "ita", "jpn",
                             "krn", "nld", "nor", "plk", "ptb", "ptg", "rus", "spn", "sve", "trk"})
        QTest::newRow(code) << code;
}

struct CatalogueMessage
{
    QString context;
    QString source;
    QString translation;
    bool hasComment = false;
    bool unfinished = false;
};

QList<CatalogueMessage> ReadCatalogueSource(const QString& path)
{
    QList<CatalogueMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            CatalogueMessage message;
            message.context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    message.unfinished = !xml.attributes().value("type").isEmpty();
                    message.translation = xml.readElementText();
                } else {
                    message.hasComment = true;
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    return xml.hasError() ? QList<CatalogueMessage>() : messages;
}

QString Translate(const QTranslator& translator, const QString& text)
{
    return translator.translate("QObject", text.toUtf8().constData());
}

} // namespace

// The 20 translation catalogues as they ship: compiled into the program uncompressed, each translating
// exactly the program's 19 texts in the context "QObject", and the help page of each language naming the
// buttons, columns and verdicts the way its catalogue does.
class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void catalogueIsCompiledInUncompressed_data();
    void catalogueIsCompiledInUncompressed();
    void sourceTranslatesExactlyTheProgramTexts_data();
    void sourceTranslatesExactlyTheProgramTexts();
    void compiledCatalogueTranslatesEveryTextButCancel_data();
    void compiledCatalogueTranslatesEveryTextButCancel();
    void helpPageUsesTheCatalogueNames_data();
    void helpPageUsesTheCatalogueNames();
    void verdictTextsDiffer_data();
    void verdictTextsDiffer();
    void codeAddsNoTextToTheWindowContext();
    void everyNewTextIsTranslated_data();
    void everyNewTextIsTranslated();

private:
    QList<CatalogueMessage> ExtractedFromCode();
    QTemporaryDir extractDir;
};

void TestCatalogues::catalogueIsCompiledInUncompressed_data()
{
    AddCodeRows();
}

void TestCatalogues::catalogueIsCompiledInUncompressed()
{
    QFETCH(QString, code);
    const QResource resource(QStringLiteral(":/translations/%1.qm").arg(code));
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
    QVERIFY(!translator.isEmpty());
}

void TestCatalogues::sourceTranslatesExactlyTheProgramTexts_data()
{
    AddCodeRows();
}

void TestCatalogues::sourceTranslatesExactlyTheProgramTexts()
{
    QFETCH(QString, code);
    const QList<CatalogueMessage> messages = ReadCatalogueSource(
        QStringLiteral(QUORLITH_SOURCE_DIR "/resources/translations/quorlith_%1.ts").arg(code));
    QStringList sources;
    for (const CatalogueMessage& message : messages) {
        if (message.context != QLatin1String("QObject"))
            continue;
        sources << message.source;
        QVERIFY2(!message.hasComment, qPrintable(message.source));
        QVERIFY2(!message.unfinished, qPrintable(message.source));
        QVERIFY2(!message.translation.trimmed().isEmpty(), qPrintable(message.source));
        QCOMPARE(message.translation.count(QLatin1String("%1")), message.source.count(QLatin1String("%1")));
        if (code == QLatin1String("enu"))
            QCOMPARE(message.translation, message.source);
    }
    QStringList expected = programTexts;
    sources.sort();
    expected.sort();
    QCOMPARE(sources, expected);
}

void TestCatalogues::compiledCatalogueTranslatesEveryTextButCancel_data()
{
    AddCodeRows();
}

void TestCatalogues::compiledCatalogueTranslatesEveryTextButCancel()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
    for (const QString& text : programTexts)
        QVERIFY2(!Translate(translator, text).isEmpty(), qPrintable(text));
    QVERIFY(Translate(translator, "Cancel").isEmpty());
    // Only the context the program looks its texts up in.
    QVERIFY(translator.translate("MainWindow", "Help").isEmpty());
    const QString rights = Translate(translator, rightsNotice).arg("2015");
    QVERIFY2(rights.contains("2015") && !rights.contains("%"), qPrintable(rights));
}

void TestCatalogues::helpPageUsesTheCatalogueNames_data()
{
    AddCodeRows();
}

void TestCatalogues::helpPageUsesTheCatalogueNames()
{
    QFETCH(QString, code);
    QFile page(QStringLiteral(QUORLITH_SOURCE_DIR "/help/help_%1.html").arg(code));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(page.readAll()));
    const QString text = document.toPlainText();
    QVERIFY(!document.metaInformation(QTextDocument::DocumentTitle).isEmpty());

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
    for (const char* name :
         {"Open File(s)", "Open Folder", "Remove File(s)", "File Name", "Authentication Result", "Start Time",
          "Stop Time", "Serial no", "Authentication succeeded", "Authentication failed", "Total files"}) {
        const QString translated = Translate(translator, name);
        QVERIFY2(text.contains(translated), qPrintable(translated));
    }
    // The progress panel's button is not translated, so the page calls it by its English name.
    QVERIFY(text.contains("Cancel"));
}

void TestCatalogues::verdictTextsDiffer_data()
{
    AddCodeRows();
}

// Remove File(s) tells which counter a row belongs to by its verdict text, so the two must never read alike.
void TestCatalogues::verdictTextsDiffer()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/") + code));
    const QString succeeded = Translate(translator, "Authentication succeeded");
    const QString failed = Translate(translator, "Authentication failed");
    QVERIFY(!succeeded.isEmpty() && !failed.isEmpty());
    QVERIFY2(succeeded != failed, qPrintable(succeeded));
}

// Every text the code looks up, as Qt's own extraction tool finds it in the sources.
QList<CatalogueMessage> TestCatalogues::ExtractedFromCode()
{
    const QString out = extractDir.filePath(QStringLiteral("extracted.ts"));
    if (!QFile::exists(out)) {
        QStringList arguments{"-silent", "-I", QUORLITH_SOURCE_DIR, "-recursive"};
        for (const char* folder : {"app", "ui", "filelist", "verdict", "report", "cli"}) {
            const QString path = QStringLiteral(QUORLITH_SOURCE_DIR "/") + folder;
            if (QFileInfo::exists(path))
                arguments << path;
        }
        arguments << "-locations"
                  << "none"
                  << "-ts" << out;
        if (QProcess::execute(QStringLiteral(QUORLITH_LUPDATE), arguments) != 0)
            return {};
    }
    return ReadCatalogueSource(out);
}

// The window's own texts are fixed: new texts belong in contexts of their own.
void TestCatalogues::codeAddsNoTextToTheWindowContext()
{
    const QList<CatalogueMessage> extracted = ExtractedFromCode();
    QVERIFY(!extracted.isEmpty());
    QStringList windowTexts;
    for (const CatalogueMessage& message : extracted) {
        if (message.context == QLatin1String("QObject"))
            windowTexts << message.source;
    }
    QStringList expected = programTexts;
    expected << "Cancel";
    windowTexts.sort();
    expected.sort();
    QCOMPARE(windowTexts, expected);
}

void TestCatalogues::everyNewTextIsTranslated_data()
{
    AddCodeRows();
}

// Each catalogue carries every text of the other contexts, finished and with the same placeholders, and
// nothing the code no longer asks for.
void TestCatalogues::everyNewTextIsTranslated()
{
    QFETCH(QString, code);
    QVERIFY(extractDir.isValid());
    const QList<CatalogueMessage> extracted = ExtractedFromCode();
    QVERIFY(!extracted.isEmpty());
    QMap<QString, CatalogueMessage> catalogue;
    for (const CatalogueMessage& message : ReadCatalogueSource(
             QStringLiteral(QUORLITH_SOURCE_DIR "/resources/translations/quorlith_%1.ts").arg(code))) {
        if (message.context != QLatin1String("QObject"))
            catalogue.insert(message.context + QLatin1Char('|') + message.source, message);
    }
    QStringList wanted;
    for (const CatalogueMessage& text : extracted) {
        if (text.context == QLatin1String("QObject"))
            continue;
        const QString key = text.context + QLatin1Char('|') + text.source;
        wanted << key;
        QVERIFY2(catalogue.contains(key), qPrintable(key));
        const CatalogueMessage& message = catalogue.value(key);
        QVERIFY2(!message.unfinished && !message.translation.trimmed().isEmpty(), qPrintable(key));
        for (const char* placeholder : {"%1", "%2", "%3", "%4"})
            QVERIFY2(message.translation.count(QLatin1String(placeholder)) ==
                         message.source.count(QLatin1String(placeholder)),
                     qPrintable(key + " -> " + message.translation));
        if (code == QLatin1String("enu"))
            QCOMPARE(message.translation, message.source);
    }
    QStringList present = catalogue.keys();
    wanted.sort();
    present.sort();
    QCOMPARE(present, wanted);
}

QTEST_MAIN(TestCatalogues)
#include "TestCatalogues.moc"
