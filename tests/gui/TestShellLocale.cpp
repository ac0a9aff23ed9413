// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "ui/HelpWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

// The window in the language of the system locale. The test runs under a locale set in its environment
// and is told which catalogue that locale must select.
class TestShellLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void comesUpInTheSystemLanguage();
    void translatorLeavesWithTheWindow();
    void qtsDialogsSpeakTheWindowsLanguage();
    void missingCataloguesShowOneMessageThenEnglish();

private:
    QTemporaryDir settingsDir;
    QString code;
};

namespace {

struct WindowTexts
{
    QString title;
    QStringList actions;
    QStringList headers;
    QString statusLine;
    QString helpPage;
    // Qt's own words: a message box's Cancel button and the file dialog's "Look in:".
    QString boxCancel;
    QString lookIn;
};

// What the user reads, in the catalogue's words (see resources/translations/).
WindowTexts ExpectedTexts(const QString& code)
{
    if (code == QLatin1String("ger"))
        return {"Trevalon Quorlith",
                {"Datei(en) öffnen", "Ordner öffnen", "Datei(en) entfernen", "", "Hilfe", "Über"},
                {"Dateiname", "Prüfergebnis", "Startzeit", "Endzeit", "Seriennr."},
                "Dateien gesamt: 0  Prüfung bestanden: 0  Prüfung fehlgeschlagen: 0",
                "help_ger.html",
                "Abbrechen",
                "Suchen in:"};
    if (code == QLatin1String("cht"))
        return {"Trevalon Quorlith",
                {"開啟檔案", "開啟資料夾", "移除檔案", "", "說明", "關於"},
                {"檔案名稱", "驗證結果", "開始時間", "結束時間", "序號"},
                "檔案總數: 0  驗證成功: 0  驗證失敗: 0",
                "help_cht.html",
                "取消",
                "尋找於："};
    return {"Trevalon Quorlith",
            {"Open File(s)", "Open Folder", "Remove File(s)", "", "Help", "About"},
            {"File Name", "Authentication Result", "Start Time", "Stop Time", "Serial no"},
            "Total files: 0  Authentication succeeded: 0  Authentication failed: 0",
            "help_" + code + ".html",
            "Cancel",
            "Look in:"};
}

WindowTexts TextsOf(MainWindow& window)
{
    WindowTexts texts;
    texts.title = window.windowTitle();
    for (QAction* action : window.findChild<QToolBar*>()->actions())
        texts.actions << action->text();
    auto* model = window.findChild<QStandardItemModel*>();
    for (int column = 0; column < model->columnCount(); ++column)
        texts.headers << model->headerData(column, Qt::Horizontal).toString();
    texts.statusLine = window.statusBar()->currentMessage();
    return texts;
}

void CompareTexts(const WindowTexts& actual, const WindowTexts& expected)
{
    QCOMPARE(actual.title, expected.title);
    QCOMPARE(actual.actions, expected.actions);
    QCOMPARE(actual.headers, expected.headers);
    QCOMPARE(actual.statusLine, expected.statusLine);
}

} // namespace

void TestShellLocale::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
    code = qEnvironmentVariable("QUORLITH_TEST_LANGUAGE");
    QVERIFY(!code.isEmpty());
}

void TestShellLocale::comesUpInTheSystemLanguage()
{
    MessageBoxWatcher watcher;
    MainWindow window;
    QVERIFY(watcher.seen.isEmpty());
    const WindowTexts expected = ExpectedTexts(code);
    CompareTexts(TextsOf(window), expected);
    QCOMPARE(window.helpWindow->findChild<QTextBrowser*>()->source().toString(), expected.helpPage);
    QCOMPARE(window.helpWindow->windowTitle(), expected.actions[4]);
}

void TestShellLocale::translatorLeavesWithTheWindow()
{
    {
        MainWindow window;
        QCOMPARE(QCoreApplication::translate("QObject", "Help"), ExpectedTexts(code).actions[4]);
    }
    QCOMPARE(QCoreApplication::translate("QObject", "Help"), QString("Help"));
}

// The file dialogs and message boxes speak the window's language; the progress panel's Cancel, one of
// the program's own texts, stays in English.
void TestShellLocale::qtsDialogsSpeakTheWindowsLanguage()
{
    const WindowTexts expected = ExpectedTexts(code);
    MainWindow window;
    const QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), expected.boxCancel);
    QFileDialog dialog(&window);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QLabel* lookIn = dialog.findChild<QLabel*>("lookInLabel");
    QVERIFY(lookIn);
    QCOMPARE(lookIn->text(), expected.lookIn);
    QCOMPARE(QCoreApplication::translate("QObject", "Cancel"), QString("Cancel"));
}

void TestShellLocale::missingCataloguesShowOneMessageThenEnglish()
{
    const QString shippedCatalogues = MainWindow::catalogueFolder;
    MainWindow::catalogueFolder = QStringLiteral(":/no-such-folder/");
    MessageBoxWatcher watcher;
    MainWindow window;
    MainWindow::catalogueFolder = shippedCatalogues;

    // The box came and went while the window was being built, before anyone could show it.
    QCOMPARE(watcher.seen.size(), 1);
    const MessageBoxWatcher::SeenBox& box = watcher.seen.first();
    QCOMPARE(box.text, QString("Error: Can't Read local i18n File."));
    QVERIFY(box.title.isEmpty());
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.icon, QMessageBox::Information);
    QVERIFY(!box.hasParent);
    CompareTexts(TextsOf(window), ExpectedTexts("enu"));
}

QTEST_MAIN(TestShellLocale)
#include "TestShellLocale.moc"
