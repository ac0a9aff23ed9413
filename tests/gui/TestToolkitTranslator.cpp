// SPDX-License-Identifier: Apache-2.0
#include "app/ToolkitTranslator.h"

#include <QLibraryInfo>
#include <QtTest>

// Qt's own catalogues for each language of the window, as Debian installs them.
class TestToolkitTranslator : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageFindsQtsCatalogue_data();
    void everyLanguageFindsQtsCatalogue();
    void programsContextIsLeftAlone();

private:
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
};

void TestToolkitTranslator::everyLanguageFindsQtsCatalogue_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("buttonsTranslated");
    for (const char* code : {"chs", "cht", "csy", "dan", "fre", "ger", "hun", "ita", "jpn", "krn", "nld",
                             "nor", "plk", "ptb", "ptg", "rus", "spn", "trk"})
        QTest::newRow(code) << code << true;
    // Debian's Swedish catalogue predates Qt 5's dialog buttons; its file dialog texts are there.
    QTest::newRow("sve") << "sve" << false;
}

// The file dialog's and the message boxes' words are found for every language but English.
void TestToolkitTranslator::everyLanguageFindsQtsCatalogue()
{
    QFETCH(QString, code);
    QFETCH(bool, buttonsTranslated);
    ToolkitTranslator translator(nullptr);
    QVERIFY2(translator.Load(code, folder), qPrintable(folder));
    QVERIFY(!translator.isEmpty());
    const QString open = translator.translate("QFileDialog", "&Open", nullptr, -1);
    QVERIFY(!open.isEmpty() && open != "&Open");
    const QString cancel = translator.translate("QPlatformTheme", "Cancel", nullptr, -1);
    QCOMPARE(!cancel.isEmpty() && cancel != "Cancel", buttonsTranslated);
}

// Swedish, whose older catalogue also holds a text of the context "QObject": the program's own context
// gets nothing from Qt's catalogues, and English needs none.
void TestToolkitTranslator::programsContextIsLeftAlone()
{
    QTranslator plain;
    QVERIFY(plain.load("qt_sv", folder));
    QVERIFY(!plain.translate("QObject", "Home").isEmpty());
    ToolkitTranslator translator(nullptr);
    QVERIFY(translator.Load("sve", folder));
    QCOMPARE(translator.translate("QObject", "Home", nullptr, -1), QString());
    QVERIFY(!translator.translate("QFileDialog", "Back", nullptr, -1).isEmpty());

    ToolkitTranslator english(nullptr);
    QVERIFY(!english.Load("enu", folder));
    QVERIFY(english.isEmpty());
}

QTEST_MAIN(TestToolkitTranslator)
#include "TestToolkitTranslator.moc"
