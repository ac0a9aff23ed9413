// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "filelist/PacedEventPump.h"
#include "tests/support/DeepFolders.h"
#include "tests/support/EvidenceFiles.h"
#include "ui/ProgressWidget.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QPointer>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QThread>
#include <QTreeView>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <memory>

namespace {
QStringList ShownNames(const QAbstractItemModel* shown)
{
    QStringList names;
    for (int row = 0; row < shown->rowCount(); ++row)
        names << shown->index(row, 0).data().toString();
    return names;
}

// Selects shown rows first..last as the user does with a click and a Shift-click.
void SelectShownRows(QTreeView* view, int first, int last)
{
    const QAbstractItemModel* shown = view->model();
    const QItemSelection rows(shown->index(first, 0), shown->index(last, shown->columnCount() - 1));
    view->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Selects the shown rows with these names, as one selection.
void SelectNamedRows(QTreeView* view, const QStringList& names)
{
    const QAbstractItemModel* shown = view->model();
    QItemSelection rows;
    for (int row = 0; row < shown->rowCount(); ++row) {
        if (names.contains(shown->index(row, 0).data().toString()))
            rows.select(shown->index(row, 0), shown->index(row, shown->columnCount() - 1));
    }
    view->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Moves the file at path to folder/name, name given as bytes; false when that failed.
bool MoveToByteName(const QString& path, const QString& folder, const QByteArray& name)
{
    return std::rename(QFile::encodeName(path).constData(),
                       (QFile::encodeName(folder) + '/' + name).constData()) == 0;
}

// Eight rows, a to h, verified in an order unlike the shown one so that the rows behind the
// sorted list lie in another order than the list shows; b, e and g are red.
const QStringList kMixedOrder = {"e.jpg", "a.jpg", "h.jpg", "c.jpg", "g.jpg", "b.jpg", "f.jpg", "d.jpg"};
const QStringList kRedRows = {"b.jpg", "e.jpg", "g.jpg"};
} // namespace

class TestAddRemove : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openFilesVerifiesTheChosenFiles();
    void cancelledFileDialogAddsNothing();
    void openFolderTakesEvidenceAtAnyDepth();
    void cancelledFolderDialogEndsTheCommand();
    void dialogsLeaveNoFolderBehind_data();
    void dialogsLeaveNoFolderBehind();
    void everyFileGivenGetsARow_data();
    void everyFileGivenGetsARow();
    void endingDuringAFolderScanStopsIt_data();
    void endingDuringAFolderScanStopsIt();
    void removeMovesTheRightCounters_data();
    void removeMovesTheRightCounters();
    void removeWorksDuringARun();
    void removeTakesTheSelectedRowsOnly_data();
    void removeTakesTheSelectedRowsOnly();
    void removeFollowsChangesWhileEventsRun_data();
    void removeFollowsChangesWhileEventsRun();

private:
    QStringList MakeMixedRows();

    WindowTestFolders folders;
    QTemporaryDir settingsDir;
};

void TestAddRemove::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

void TestAddRemove::init()
{
    QVERIFY(folders.Enter());
}

void TestAddRemove::cleanup()
{
    folders.Leave();
}

// The dialog's filter goes by the name's end, so clip.2015.mp4 can be added here and is
// verified as an MP4 file.
void TestAddRemove::openFilesVerifiesTheChosenFiles()
{
    const QString dir = folders.User();
    const QStringList chosen = {MakeEvidence(dir, "clip-faststart.mp4", "clip.2015.mp4"),
                                MakeTamperedEvidence(dir, "still.jpg", "photo.jpg"),
                                MakeEvidence(dir, "clip.avi", "clip.avi")};
    QVERIFY(!chosen.contains(QString()));

    MainWindow window;
    SeenFileDialog seen;
    AnswerNextFileDialog(chosen, &seen);
    QMetaObject::invokeMethod(&window, "OpenFiles");

    QCOMPARE(seen.title, QString("Open File(s)"));
    QCOMPARE(seen.nameFilters, QStringList({"Images and Videos (*.jpg *.avi *.mp4 *.mxg)"}));
    QCOMPARE(ShownNames(window.sortProxy), QStringList({"clip.2015.mp4", "clip.avi", "photo.jpg"}));
    QCOMPARE(window.sortProxy->index(0, 1).data().toString(), QString("Authentication succeeded"));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(3, 2, 1));
}

void TestAddRemove::cancelledFileDialogAddsNothing()
{
    MakeEvidence(folders.Work(), "still.jpg", "here.jpg");
    MainWindow window;
    AnswerNextFileDialog({});
    QMetaObject::invokeMethod(&window, "OpenFiles");
    QCOMPARE(window.listModel->rowCount(), 0);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(0, 0, 0));
}

// The last suffix decides, as for the engine: photo.JPG, clip.Mp4 and clip.2015.mp4 are taken,
// photo.jpeg is not; hidden files and links are neither listed nor followed.
void TestAddRemove::openFolderTakesEvidenceAtAnyDepth()
{
    const QString top = QDir(folders.User()).filePath("case 17");
    QVERIFY(QDir().mkpath(top + "/sub/deeper"));
    QVERIFY(!MakeEvidence(top, "still.jpg", "photo.JPG").isEmpty());
    QVERIFY(!MakeEvidence(top, "clip-mdat-first.mp4", "clip.Mp4").isEmpty());
    QVERIFY(!MakeTamperedEvidence(top + "/sub/deeper", "clip.avi", "clip.avi").isEmpty());
    QVERIFY(!MakeEvidence(top + "/sub", "clip-faststart.mp4", "clip.mxg").isEmpty());
    QVERIFY(!MakeEvidence(top, "clip-faststart.mp4", "clip.2015.mp4").isEmpty());
    QVERIFY(!MakeEvidence(top, "still.jpg", "photo.jpeg").isEmpty());
    QVERIFY(!MakeEvidence(top, "still.jpg", ".hidden.jpg").isEmpty());
    QVERIFY(!MakeEvidence(top, "still.jpg", "jpg").isEmpty());
    QVERIFY(QFile::link(top + "/photo.JPG", top + "/link.jpg"));
    QVERIFY(QFile::link(top + "/sub", top + "/linked-folder.jpg"));
    QFile notes(top + "/notes.txt");
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();

    MainWindow window;
    SeenFileDialog seen;
    AnswerNextFileDialog({top}, &seen);
    QMetaObject::invokeMethod(&window, "OpenFolder");

    QCOMPARE(seen.title, QString("Open Folder"));
    QCOMPARE(ShownNames(window.sortProxy),
             QStringList({"clip.2015.mp4", "clip.Mp4", "clip.avi", "clip.mxg", "photo.JPG"}));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(5, 4, 1));
}

// No scan and no run, even with evidence in the working folder.
void TestAddRemove::cancelledFolderDialogEndsTheCommand()
{
    QVERIFY(!MakeEvidence(folders.Work(), "still.jpg", "here.jpg").isEmpty());
    MainWindow window;
    AnswerNextFileDialog({});
    QMetaObject::invokeMethod(&window, "OpenFolder");
    QCOMPARE(window.listModel->rowCount(), 0);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(0, 0, 0));
    QVERIFY(window.findChildren<ProgressWidget*>().isEmpty());
}

void TestAddRemove::dialogsLeaveNoFolderBehind_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Open File(s)") << "OpenFiles";
    QTest::newRow("Open Folder") << "OpenFolder";
}

// Qt's file dialog stores the folders it showed (history, lastVisited) for the next time, the
// folder a case lies in among them; they are not kept.
void TestAddRemove::dialogsLeaveNoFolderBehind()
{
    QFETCH(QString, command);
    const QString folder = QDir(folders.User()).filePath("case");
    QVERIFY(QDir().mkpath(folder));
    const QString file = MakeEvidence(folder, "still.jpg", "photo.jpg");
    QVERIFY(!file.isEmpty());

    MainWindow window;
    AnswerNextFileDialog({command == "OpenFiles" ? file : folder});
    QMetaObject::invokeMethod(&window, command.toLatin1().constData());
    QCOMPARE(window.listModel->rowCount(), 1);

    const QSettings stored(QSettings::UserScope, QStringLiteral("QtProject"));
    QVERIFY(!stored.contains("FileDialog/history"));
    QVERIFY(!stored.contains("FileDialog/lastVisited"));
    // The dialog's own view settings stay, as the help page says.
    QVERIFY(stored.contains("FileDialog/viewMode"));
}

void TestAddRemove::everyFileGivenGetsARow_data()
{
    QTest::addColumn<QString>("odd");
    QTest::addColumn<QString>("handedOver");
    QTest::addColumn<QString>("shownName");
    const QString nonUtf8 = QStringLiteral("caf\\xE9.jpg");
    QTest::newRow("name not UTF-8, Open Folder") << "not UTF-8"
                                                 << "Open Folder" << nonUtf8;
    QTest::newRow("name not UTF-8, as Qt names it") << "not UTF-8"
                                                    << "path" << nonUtf8;
    QTest::newRow("name not UTF-8, dropped") << "not UTF-8"
                                             << "dropped" << nonUtf8;
    QTest::newRow("path over 4,096 bytes, Open Folder") << "long"
                                                        << "Open Folder"
                                                        << "deep.jpg";
    QTest::newRow("path over 4,096 bytes, as Qt names it") << "long"
                                                           << "path"
                                                           << "deep.jpg";
    QTest::newRow("path over 4,096 bytes, dropped") << "long"
                                                    << "dropped"
                                                    << "deep.jpg";
}

// Beside two plain names, a file whose name is not UTF-8 or whose path passes PATH_MAX gets its row
// and its true verdict, its name shown in the escaped form.
void TestAddRemove::everyFileGivenGetsARow()
{
    QFETCH(QString, odd);
    QFETCH(QString, handedOver);
    QFETCH(QString, shownName);
    const QString top = QDir(folders.User()).filePath("case");
    QVERIFY(QDir().mkpath(top));
    const QStringList plain = {MakeEvidence(top, "still.jpg", "a.jpg"),
                               MakeEvidence(top, "clip.avi", "b.avi")};
    const QString made = MakeEvidence(folders.User(), "still.jpg", "made.jpg");
    QVERIFY(!plain.contains(QString()) && !made.isEmpty());
    QByteArray oddPath;
    if (odd == "long") {
        QVERIFY(QDir().mkpath(top + "/deep"));
        const QByteArray bottom = DeepFolders::Make(QFile::encodeName(top + "/deep"), 4200);
        QVERIFY(DeepFolders::MoveInto(QFile::encodeName(made), bottom, "deep.jpg"));
        oddPath = bottom + "/deep.jpg";
    } else {
        QVERIFY(MoveToByteName(made, top, "caf\xE9.jpg"));
        oddPath = QFile::encodeName(top) + "/caf\xE9.jpg";
    }
    QVERIFY(!oddPath.isEmpty());
    const std::shared_ptr<void> removeDeep(nullptr,
                                           [&](void*) { DeepFolders::Remove(QFile::encodeName(top)); });

    MainWindow window;
    const QStringList given = plain + QStringList({QFile::decodeName(oddPath)});
    if (handedOver == "Open Folder") {
        AnswerNextFileDialog({top});
        QMetaObject::invokeMethod(&window, "OpenFolder");
    } else if (handedOver == "dropped") {
        window.AddPaths(given);
    } else {
        window.VerifyFiles(given);
    }

    QCOMPARE(ShownNames(window.sortProxy), QStringList({"a.jpg", "b.avi", shownName}));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(3, 3, 0));
}

void TestAddRemove::endingDuringAFolderScanStopsIt_data()
{
    QTest::addColumn<bool>("quitWithoutClosing");
    QTest::newRow("window closed") << false;
    QTest::newRow("application quits, window still open") << true;
}

// The program is told to end while Open Folder still scans: the scan stops and no run starts.
// A quit must also end the application's event loop.
void TestAddRemove::endingDuringAFolderScanStopsIt()
{
    QFETCH(bool, quitWithoutClosing);
    const QString top = QDir(folders.User()).filePath("case 18");
    QVERIFY(QDir().mkpath(top + "/sub"));
    QVERIFY(!MakeEvidence(top, "still.jpg", "photo.jpg").isEmpty());
    QVERIFY(!MakeEvidence(top + "/sub", "clip.avi", "clip.avi").isEmpty());

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Waits until the folder dialog has been seen and destroyed: OpenFolder has then left it and
    // scans, and only the scan lets this through.
    QPointer<QWidget> dialog;
    bool seen = false;
    std::function<void()> endOnceTheDialogIsGone = [&] {
        if (!seen && (dialog = QApplication::activeModalWidget()))
            seen = true;
        if (!seen || dialog) {
            QMetaObject::invokeMethod(qApp, endOnceTheDialogIsGone, Qt::QueuedConnection);
            return;
        }
        if (quitWithoutClosing)
            QCoreApplication::quit();
        else
            window.close();
    };
    QMetaObject::invokeMethod(qApp, endOnceTheDialogIsGone, Qt::QueuedConnection);
    AnswerNextFileDialog({top});
    if (quitWithoutClosing) {
        QMetaObject::invokeMethod(&window, "OpenFolder", Qt::QueuedConnection);
        QCOMPARE(QCoreApplication::exec(), 0);
    } else {
        QMetaObject::invokeMethod(&window, "OpenFolder");
        QVERIFY(!window.isVisible());
    }

    QCOMPARE(window.listModel->rowCount(), 0);
    QVERIFY(window.findChildren<ProgressWidget*>().isEmpty());
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(0, 0, 0));
}

void TestAddRemove::removeMovesTheRightCounters_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("status");
    // Shown order: a.jpg (green), b.jpg (red), c.jpg (green), d.jpg (red).
    QTest::newRow("a red row") << 1 << 1 << QStringList({"a.jpg", "c.jpg", "d.jpg"}) << StatusLine(3, 2, 1);
    QTest::newRow("a green row") << 2 << 2 << QStringList({"a.jpg", "b.jpg", "d.jpg"}) << StatusLine(3, 1, 2);
    QTest::newRow("a run of rows") << 1 << 3 << QStringList({"a.jpg"}) << StatusLine(1, 1, 0);
    QTest::newRow("all rows") << 0 << 3 << QStringList() << StatusLine(0, 0, 0);
    QTest::newRow("nothing selected")
        << -1 << -1 << QStringList({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) << StatusLine(4, 2, 2);
}

void TestAddRemove::removeMovesTheRightCounters()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QStringList, left);
    QFETCH(QString, status);
    const QString dir = folders.User();
    const QStringList paths = {
        MakeTamperedEvidence(dir, "still.jpg", "d.jpg"), MakeEvidence(dir, "still.jpg", "c.jpg"),
        MakeTamperedEvidence(dir, "still.jpg", "b.jpg"), MakeEvidence(dir, "still.jpg", "a.jpg")};
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);
    QCOMPARE(ShownNames(window.sortProxy), QStringList({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}));

    if (first >= 0)
        SelectShownRows(window.listView, first, last);
    QMetaObject::invokeMethod(&window, "RemoveFiles");

    QCOMPARE(ShownNames(window.sortProxy), left);
    QCOMPARE(window.listModel->rowCount(), left.size());
    QCOMPARE(window.statusBar()->currentMessage(), status);
    QVERIFY(!window.listView->selectionModel()->hasSelection());
}

void TestAddRemove::removeWorksDuringARun()
{
    const QString dir = folders.User();
    const QStringList earlier = {MakeEvidence(dir, "still.jpg", "old-green.jpg"),
                                 MakeTamperedEvidence(dir, "still.jpg", "old-red.jpg")};
    // The first file is big enough to be still in work when the queued removal arrives.
    const QStringList later = {MakeLargeEvidence(dir, "new-1.mp4", 16 << 20),
                               MakeEvidence(dir, "still.jpg", "new-2.jpg")};
    QVERIFY(!earlier.contains(QString()) && !later.contains(QString()));
    MainWindow window;
    window.VerifyFiles(earlier);

    QString statusAfterRemoval;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            SelectShownRows(window.listView, 0, 1);
            QMetaObject::invokeMethod(&window, "RemoveFiles");
            statusAfterRemoval = window.statusBar()->currentMessage();
        },
        Qt::QueuedConnection);
    window.VerifyFiles(later);

    QCOMPARE(statusAfterRemoval, StatusLine(2, 0, 0));
    QCOMPARE(ShownNames(window.sortProxy), QStringList({"new-1.mp4", "new-2.jpg"}));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(2, 2, 0));
}

QStringList TestAddRemove::MakeMixedRows()
{
    QStringList paths;
    for (const QString& name : kMixedOrder) {
        paths << (kRedRows.contains(name) ? MakeTamperedEvidence(folders.User(), "still.jpg", name)
                                          : MakeEvidence(folders.User(), "still.jpg", name));
    }
    return paths;
}

void TestAddRemove::removeTakesTheSelectedRowsOnly_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("status");
    QTest::newRow("a run in the middle") << QStringList({"b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg"})
                                         << QStringList({"a.jpg", "g.jpg", "h.jpg"}) << StatusLine(3, 2, 1);
    QTest::newRow("the top rows") << QStringList({"a.jpg", "b.jpg", "c.jpg"})
                                  << QStringList({"d.jpg", "e.jpg", "f.jpg", "g.jpg", "h.jpg"})
                                  << StatusLine(5, 3, 2);
    QTest::newRow("the bottom rows") << QStringList({"g.jpg", "h.jpg"})
                                     << QStringList({"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg"})
                                     << StatusLine(6, 4, 2);
    QTest::newRow("rows apart") << QStringList({"a.jpg", "d.jpg", "e.jpg", "h.jpg"})
                                << QStringList({"b.jpg", "c.jpg", "f.jpg", "g.jpg"}) << StatusLine(4, 2, 2);
    QTest::newRow("every row") << kMixedOrder << QStringList() << StatusLine(0, 0, 0);
}

// The rows behind the list lie in another order than the list shows; exactly the selected ones go,
// each lowering the counter of its own verdict.
void TestAddRemove::removeTakesTheSelectedRowsOnly()
{
    QFETCH(QStringList, selected);
    QFETCH(QStringList, left);
    QFETCH(QString, status);
    const QStringList paths = MakeMixedRows();
    QVERIFY(!paths.contains(QString()));
    MainWindow window;
    window.VerifyFiles(paths);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(8, 5, 3));

    SelectNamedRows(window.listView, selected);
    QMetaObject::invokeMethod(&window, "RemoveFiles");

    QCOMPARE(ShownNames(window.sortProxy), left);
    QCOMPARE(window.statusBar()->currentMessage(), status);
    QVERIFY(!window.listView->selectionModel()->hasSelection());
}

void TestAddRemove::removeFollowsChangesWhileEventsRun_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("status");
    // b to g are selected; d, verified last, lies first behind the list and goes first.
    QTest::newRow("the selection shrinks")
        << "select e f" << QStringList({"a.jpg", "b.jpg", "c.jpg", "g.jpg", "h.jpg"}) << StatusLine(5, 3, 2);
    QTest::newRow("the selection moves")
        << "select a h" << QStringList({"b.jpg", "c.jpg", "e.jpg", "f.jpg", "g.jpg"}) << StatusLine(5, 2, 3);
    QTest::newRow("the list is sorted the other way")
        << "sort" << QStringList({"h.jpg", "a.jpg"}) << StatusLine(2, 2, 0);
    QTest::newRow("a file is added") << "add" << QStringList({"a.jpg", "h.jpg", "new.jpg"})
                                     << StatusLine(3, 3, 0);
    QTest::newRow("rows are removed by another removal")
        << "remove a b c" << QStringList({"e.jpg", "f.jpg", "g.jpg", "h.jpg"}) << StatusLine(4, 2, 2);
}

// The list goes on answering while rows go: the change is made while the removal lets events run
// after its first row, and what is still selected then is what goes.
void TestAddRemove::removeFollowsChangesWhileEventsRun()
{
    QFETCH(QString, change);
    QFETCH(QStringList, left);
    QFETCH(QString, status);
    const QStringList paths = MakeMixedRows();
    const QString added = MakeEvidence(folders.User(), "still.jpg", "new.jpg");
    QVERIFY(!paths.contains(QString()) && !added.isEmpty());
    MainWindow window;
    window.VerifyFiles(paths);
    SelectShownRows(window.listView, 1, 6);

    // The first row takes long enough that events run before the second.
    QMetaObject::Connection slowFirstRow = connect(window.listModel, &QAbstractItemModel::rowsRemoved, [&] {
        disconnect(slowFirstRow);
        QThread::msleep(PacedEventPump::kIntervalMs + 5);
    });
    bool changed = false;
    QStringList removedFirst;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            changed = true;
            removedFirst = ShownNames(window.sortProxy);
            if (change == "select e f")
                SelectNamedRows(window.listView, {"e.jpg", "f.jpg"});
            else if (change == "select a h")
                SelectNamedRows(window.listView, {"a.jpg", "h.jpg"});
            else if (change == "sort")
                window.listView->sortByColumn(0, Qt::DescendingOrder);
            else if (change == "add")
                window.VerifyFiles({added});
            else if (change == "remove a b c") {
                SelectNamedRows(window.listView, {"a.jpg", "b.jpg", "c.jpg"});
                QMetaObject::invokeMethod(&window, "RemoveFiles");
            }
        },
        Qt::QueuedConnection);
    QMetaObject::invokeMethod(&window, "RemoveFiles");

    QVERIFY(changed);
    QVERIFY(!removedFirst.contains("d.jpg"));
    QCOMPARE(removedFirst.size(), 7);
    QCOMPARE(ShownNames(window.sortProxy), left);
    QCOMPARE(window.statusBar()->currentMessage(), status);
    QVERIFY(!window.listView->selectionModel()->hasSelection());
}

QTEST_MAIN(TestAddRemove)
#include "TestAddRemove.moc"
