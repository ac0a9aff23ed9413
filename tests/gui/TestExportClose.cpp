// SPDX-License-Identifier: Apache-2.0
// Closing the main window while an export reads a large clip: the export stops as on Cancel.
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"

#include <QApplication>
#include <QProgressDialog>
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

// The window manager closes the main window, as its close button or Alt+F4 would, while the
// export's progress dialog is up: nothing is written, no message follows, the window closes.
void TestExportClose::closingTheWindowCancelsTheExport()
{
    QTemporaryDir evidence;
    QTemporaryDir out;
    QVERIFY(evidence.isValid() && out.isValid());
    const QString large = MakeLargeEvidence(evidence.path(), "large.mp4", qint64(384) << 20);
    QVERIFY(!large.isEmpty());
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.AddPaths({large});

    QTimer closer;
    bool closeAccepted = false;
    bool asked = false;
    connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QProgressDialog*>(widget) && !asked) {
                asked = true;
                closeAccepted = window.windowHandle()->close();
            }
        }
    });
    closer.start(5);
    MessageBoxWatcher boxes;
    AnswerNextFileDialog({out.filePath("report.csv")});
    AnswerNextCaseForm();
    window.ExportReport();
    closer.stop();

    QVERIFY(asked);
    QVERIFY(closeAccepted);
    QVERIFY(!window.isVisible());
    QVERIFY(boxes.seen.isEmpty());
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_MAIN(TestExportClose)
#include "TestExportClose.moc"
