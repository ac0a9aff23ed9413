// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "MessageBoxWatcher.h"
#include "app/MainWindow.h"
#include "filelist/ResultListMenu.h"
#include "tests/support/EvidenceFiles.h"
#include "ui/DetailsWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>
#include <QUrl>
#include <QtTest>

// Takes the URLs the desktop would have been asked to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void Catch(const QUrl& url) { urls << url; }
};

class TestResultListMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void opensOnRowsOnly();
    void detailsOfTheFirstSelectedRow();
    void copyPutsTheSelectedRowsAsShown();
    void openContainingFolder_data();
    void openContainingFolder();
    void noFileManagerIsSaid();
    void removeRunsTheToolBarCommand();
    void exportReportOpensTheExport();

private:
    static QAction* Command(const MainWindow& window, const QString& text);
    static void SelectShownRows(QTreeView* view, int first, int last);

    QTemporaryDir settingsDir;
    QTemporaryDir fixtureDir;
    QString startDir;
};

void TestResultListMenu::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QVERIFY(fixtureDir.isValid());
    UseTemporarySettings(settingsDir);
    startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(fixtureDir.path()));
}

void TestResultListMenu::cleanupTestCase()
{
    QDir::setCurrent(startDir);
}

QAction* TestResultListMenu::Command(const MainWindow& window, const QString& text)
{
    for (QAction* action : window.resultListMenu->menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// As a click and a Shift-click select them.
void TestResultListMenu::SelectShownRows(QTreeView* view, int first, int last)
{
    const QAbstractItemModel* shown = view->model();
    const QItemSelection rows(shown->index(first, 0), shown->index(last, shown->columnCount() - 1));
    view->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// A context menu event as the right mouse button gives it: on a row the menu opens, below the rows
// it does not.
void TestResultListMenu::opensOnRowsOnly()
{
    const QString path = MakeEvidence(fixtureDir.path(), "still.jpg", "menu.jpg");
    QVERIFY(!path.isEmpty());
    MainWindow window;
    window.VerifyFiles({path});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTreeView* view = window.listView;
    QMenu* menu = window.resultListMenu->menu;

    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    QCOMPARE(texts, QStringList({"Details...", "Copy", "Open Containing Folder", "Export Report...",
                                 "Remove File(s)"}));

    const QPoint onRow = view->visualRect(view->model()->index(0, 1)).center();
    QContextMenuEvent onRowEvent(QContextMenuEvent::Mouse, onRow, view->viewport()->mapToGlobal(onRow));
    QApplication::sendEvent(view->viewport(), &onRowEvent);
    QVERIFY(menu->isVisible());
    menu->hide();

    const QPoint belowRows(onRow.x(), view->viewport()->height() - 2);
    QVERIFY(!view->indexAt(belowRows).isValid());
    QContextMenuEvent belowEvent(QContextMenuEvent::Mouse, belowRows,
                                 view->viewport()->mapToGlobal(belowRows));
    QApplication::sendEvent(view->viewport(), &belowEvent);
    QVERIFY(!menu->isVisible());
}

void TestResultListMenu::detailsOfTheFirstSelectedRow()
{
    const QStringList paths = {MakeEvidence(fixtureDir.path(), "still.jpg", "d1.jpg"),
                               MakeEvidence(fixtureDir.path(), "still.jpg", "d2.jpg"),
                               MakeEvidence(fixtureDir.path(), "still.jpg", "d3.jpg")};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);
    window.listView->sortByColumn(0, Qt::DescendingOrder);
    SelectShownRows(window.listView, 1, 2);

    Command(window, "Details...")->trigger();
    const QList<DetailsWindow*> windows = window.findChildren<DetailsWindow*>();
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->windowTitle().contains("d2.jpg"));
    QVERIFY(windows.first()->Text().startsWith("Full path: " + paths.at(1) + "\n"));
}

// The header line and the selected rows in the list's sorted order, as they read on screen, each with
// its full path; a name with a tab shows, and is copied, in the escaped form, so it stays one cell.
void TestResultListMenu::copyPutsTheSelectedRowsAsShown()
{
    StampRecord early;
    early.startTime = "2026-01-02 03:04:05";
    early.endTime = "2026-01-02 03:09:00";
    early.rcSerial = "QR-1";
    StampRecord late = early;
    late.startTime = "2026-05-06 07:08:09";
    late.rcSerial = "QR-2";
    const QStringList paths = {MakeEvidence(fixtureDir.path(), "still.jpg", "copy-a.jpg", early),
                               MakePlainMedia(fixtureDir.path(), "still.jpg", "copy-b\tplain.jpg"),
                               MakeEvidence(fixtureDir.path(), "clip.avi", "copy-c.avi", late)};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);
    window.listView->sortByColumn(0, Qt::DescendingOrder);
    SelectShownRows(window.listView, 0, 1);

    QApplication::clipboard()->clear();
    Command(window, "Copy")->trigger();
    const QString folder = fixtureDir.path() + '/';
    QCOMPARE(
        QApplication::clipboard()->text(),
        QString("File Name\tAuthentication Result\tStart Time\tStop Time\tSerial no\tFull path\n"
                "copy-c.avi\tAuthentication succeeded\t2026-05-06 07:08:09\t2026-01-02 03:09:00\tQR-2\t" +
                folder +
                "copy-c.avi\n"
                "copy-b\\x09plain.jpg\tAuthentication failed\t\t\t\t" +
                folder + "copy-b\\x09plain.jpg\n"));
}

void TestResultListMenu::openContainingFolder_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("folder");
    QTest::newRow("second row") << 1 << 1 << "two";
    QTest::newRow("both rows: the first one's") << 0 << 1 << "one";
}

void TestResultListMenu::openContainingFolder()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, folder);
    const QDir base(fixtureDir.path());
    QVERIFY(base.mkpath("one") && base.mkpath("two"));
    const QStringList paths = {MakeEvidence(base.filePath("one"), "still.jpg", "x.jpg"),
                               MakeEvidence(base.filePath("two"), "still.jpg", "y.jpg")};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);
    SelectShownRows(window.listView, first, last);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Catch");
    Command(window, "Open Containing Folder")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.urls, QList<QUrl>({QUrl::fromLocalFile(base.filePath(folder))}));
}

// Where no file manager answers (none installed: nothing on the search path), a message says so and
// names the folder, escaped as names are everywhere.
void TestResultListMenu::noFileManagerIsSaid()
{
    const QDir base(fixtureDir.path());
    QVERIFY(base.mkpath("tab\there"));
    const QString path = MakeEvidence(base.filePath("tab\there"), "still.jpg", "z.jpg");
    QVERIFY(!path.isEmpty());
    MainWindow window;
    window.VerifyFiles({path});
    SelectShownRows(window.listView, 0, 0);

    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(fixtureDir.path()));
    MessageBoxWatcher watcher;
    Command(window, "Open Containing Folder")->trigger();
    qputenv("PATH", savedPath);

    QCOMPARE(watcher.seen.size(), 1);
    QCOMPARE(watcher.seen.first().text, "No file manager answered, so the folder cannot be shown: " +
                                            fixtureDir.path() + "/tab\\x09here");
    QVERIFY(watcher.seen.first().hasParent);
}

// The selected rows go and the counters follow, as with the tool bar's Remove File(s).
void TestResultListMenu::removeRunsTheToolBarCommand()
{
    const QStringList paths = {MakeEvidence(fixtureDir.path(), "still.jpg", "r1.jpg"),
                               MakePlainMedia(fixtureDir.path(), "still.jpg", "r2.jpg"),
                               MakeEvidence(fixtureDir.path(), "still.jpg", "r3.jpg")};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);
    SelectShownRows(window.listView, 0, 1);

    Command(window, "Remove File(s)")->trigger();
    const QAbstractItemModel* shown = window.listView->model();
    QCOMPARE(shown->rowCount(), 1);
    QCOMPARE(shown->index(0, 0).data().toString(), QString("r3.jpg"));
    QCOMPARE(window.statusBar()->currentMessage(),
             QString("Total files: 1  Authentication succeeded: 1  Authentication failed: 0"));
}

void TestResultListMenu::exportReportOpensTheExport()
{
    MainWindow window;
    window.VerifyFiles({MakeEvidence(fixtureDir.path(), "still.jpg", "export.jpg")});
    SeenFileDialog seen;
    AnswerNextCaseForm();
    AnswerNextFileDialog({}, &seen);
    Command(window, "Export Report...")->trigger();
    QCOMPARE(seen.title, QString("Export Report"));
}

QTEST_MAIN(TestResultListMenu)
#include "TestResultListMenu.moc"
