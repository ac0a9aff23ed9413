// SPDX-License-Identifier: Apache-2.0
// Closing the main window while an export reads a clip: the export stops as on Cancel.
#include "ExportHold.h"
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"

#include <QStandardItemModel>
#include <QWindow>
#include <QtTest>

class TestExportClose : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void closingTheWindowCancelsTheExport();

private:
    QTemporaryDir settingsDir;
};

void TestExportClose::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

// The window manager closes the main window, as its close button or Alt+F4 would, while the export's
// work is held inside the reading of a clip: nothing is written, no message follows, the window closes.
void TestExportClose::closingTheWindowCancelsTheExport()
{
    QTemporaryDir evidence;
    QTemporaryDir out;
    QVERIFY(evidence.isValid() && out.isValid());
    const QString clip = MakeLargeEvidence(evidence.path(), "clip.mp4", qint64(4) << 20);
    QVERIFY(!clip.isEmpty());
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.AddPaths({clip});

    bool closeAccepted = false;
    HoldNextExport(&window, HoldPoint::Reading, [&] { closeAccepted = window.windowHandle()->close(); });
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({out.filePath("report.csv")});
    AnswerNextCaseForm();
    window.ExportReport();

    QVERIFY(ExportWasHeldUntilStopped());
    QVERIFY(closeAccepted);
    QVERIFY(!window.isVisible());
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_MAIN(TestExportClose)
#include "TestExportClose.moc"
