// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "tests/support/EvidenceFiles.h"
#include "ui/ProgressWidget.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>
#include <QWindow>
#include <QtTest>

#include <memory>

namespace {
const QString kSucceeded = QStringLiteral("Authentication succeeded");
const QString kFailed = QStringLiteral("Authentication failed");

// The model's rows as the view shows them, one "cell|cell|..." line each.
QStringList ShownRows(const QAbstractItemModel* model)
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// The panel of the latest run; an earlier run's panel may still wait for its deletion.
ProgressWidget* LatestPanel(const MainWindow& window)
{
    return window.findChildren<ProgressWidget*>().last();
}

QString PanelText(const MainWindow& window)
{
    return LatestPanel(window)->findChild<QLabel*>()->text();
}

const QProgressBar* PanelBar(const MainWindow& window)
{
    return LatestPanel(window)->findChild<QProgressBar*>();
}
} // namespace

class TestVerifyRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void verdictAndCells_data();
    void verdictAndCells();
    void runOfThreeShowsItsProgress();
    void nameIsShownAsItIs_data();
    void nameIsShownAsItIs();
    void cancelDuringTheFirstOfThree();
    void closingThePanelCancels();
    void filesOpenedAfterCancelGetARunOfTheirOwn_data();
    void filesOpenedAfterCancelGetARunOfTheirOwn();
    void pathsThatAreNoFileAreSkipped_data();
    void pathsThatAreNoFileAreSkipped();
    void emptyRunChangesNothing();
    void userFilesStayUntouched();
    void unwritableWorkingFolderGivesTrueVerdicts_data();
    void unwritableWorkingFolderGivesTrueVerdicts();
    void filesOpenedDuringARunJoinIt();
    void closingTheWindowEndsTheRunAndTheProgram_data();
    void closingTheWindowEndsTheRunAndTheProgram();

private:
    QString Evidence(const QString& media, const QString& name);
    QString Tampered(const QString& media, const QString& name);

    QTemporaryDir settingsDir;
    WindowTestFolders folders;
};

void TestVerifyRun::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

void TestVerifyRun::init()
{
    QVERIFY(folders.Enter());
}

void TestVerifyRun::cleanup()
{
    folders.Leave();
}

QString TestVerifyRun::Evidence(const QString& media, const QString& name)
{
    return MakeEvidence(folders.User(), media, name);
}

QString TestVerifyRun::Tampered(const QString& media, const QString& name)
{
    return MakeTamperedEvidence(folders.User(), media, name);
}

void TestVerifyRun::verdictAndCells_data()
{
    QTest::addColumn<QString>("media");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("authentic");
    QTest::addColumn<bool>("recordShown");

    const char* const media[] = {"still.jpg", "clip-mdat-first.mp4", "clip-faststart.mp4", "clip.avi"};
    for (const char* file : media) {
        QTest::addRow("%s authentic", file) << file << file << "stamped" << true << true;
        QTest::addRow("%s tampered", file) << file << file << "tampered" << false << true;
    }
    QTest::newRow("version 1.1") << "clip.avi"
                                 << "clip.avi"
                                 << "stamped 1.1" << true << true;
    QTest::newRow("no watermark") << "still.jpg"
                                  << "still.jpg"
                                  << "plain" << false << false;
    QTest::newRow("MXG") << "clip-mdat-first.mp4"
                         << "clip.mxg"
                         << "stamped" << true << true;
    // The engine goes by the last suffix, so the copy must end in the complete one.
    QTest::newRow("two suffixes") << "clip-faststart.mp4"
                                  << "clip.2015.mp4"
                                  << "stamped" << true << true;
    QTest::newRow("capital suffix") << "still.jpg"
                                    << "PHOTO.JPG"
                                    << "stamped" << true << true;
    QTest::newRow("no suffix") << "still.jpg"
                               << "photo"
                               << "stamped" << false << false;
}

void TestVerifyRun::verdictAndCells()
{
    QFETCH(QString, media);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, authentic);
    QFETCH(bool, recordShown);

    StampRecord record;
    record.startTime = "2026-01-02 03:04:05";
    record.endTime = "2026-01-02 03:09:59";
    record.rcSerial = "QR-7781-0003";
    QString path;
    if (kind == "stamped")
        path = MakeEvidence(folders.User(), media, name, record);
    else if (kind == "stamped 1.1")
        record.version = "1.1", path = MakeEvidence(folders.User(), media, name, record);
    else if (kind == "tampered")
        path = MakeTamperedEvidence(folders.User(), media, name);
    else
        path = MakePlainMedia(folders.User(), media, name);
    QVERIFY(!path.isEmpty());

    MainWindow window;
    window.VerifyFiles({path});

    QCOMPARE(window.listModel->rowCount(), 1);
    const QStandardItemModel* model = window.listModel;
    QCOMPARE(model->index(0, 0).data().toString(), name);
    QCOMPARE(model->index(0, 1).data().toString(), authentic ? kSucceeded : kFailed);
    QCOMPARE(model->index(0, 1).data(Qt::ForegroundRole).value<QColor>(),
             authentic ? QColor(0, 128, 0) : QColor(255, 0, 0));
    if (kind == "tampered") {
        const StampRecord defaults;
        record.startTime = defaults.startTime;
        record.endTime = defaults.endTime;
        record.rcSerial = defaults.rcSerial;
    }
    QCOMPARE(model->index(0, 2).data().toString(),
             recordShown ? QString::fromStdString(record.startTime) : "");
    QCOMPARE(model->index(0, 3).data().toString(), recordShown ? QString::fromStdString(record.endTime) : "");
    QCOMPARE(model->index(0, 4).data().toString(),
             recordShown ? QString::fromStdString(record.rcSerial) : "");
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(1, authentic ? 1 : 0, authentic ? 0 : 1));
}

void TestVerifyRun::runOfThreeShowsItsProgress()
{
    const QString earlier = Evidence("clip.avi", "earlier.avi");
    const QStringList paths = {Evidence("still.jpg", "b.jpg"), Tampered("clip-faststart.mp4", "A.mp4"),
                               Evidence("clip-mdat-first.mp4", "a.mp4")};
    QVERIFY(!earlier.isEmpty() && !paths.contains(QString()));

    MainWindow window;
    window.VerifyFiles({earlier});
    QStringList labels;
    QStringList statusLines;
    connect(window.listModel, &QAbstractItemModel::rowsInserted, [&] {
        labels << PanelText(window);
        statusLines << window.statusBar()->currentMessage();
    });
    window.VerifyFiles(paths);

    QCOMPARE(labels, QStringList({"Processing b.jpg...(0/3)", "Processing A.mp4...(1/3)",
                                  "Processing a.mp4...(2/3)"}));
    // Right after the start the total counts the queued files; each file then adds its verdict.
    QCOMPARE(statusLines, QStringList({StatusLine(4, 1, 0), StatusLine(4, 2, 0), StatusLine(4, 2, 1)}));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(4, 3, 1));
    QCOMPARE(
        ShownRows(window.sortProxy),
        QStringList({"A.mp4|" + kFailed + "|2026-03-14 09:26:53|2026-03-14 09:31:07|QR-4410-0042",
                     "a.mp4|" + kSucceeded + "|2026-03-14 09:26:53|2026-03-14 09:31:07|QR-4410-0042",
                     "b.jpg|" + kSucceeded + "|2026-03-14 09:26:53|2026-03-14 09:31:07|QR-4410-0042",
                     "earlier.avi|" + kSucceeded + "|2026-03-14 09:26:53|2026-03-14 09:31:07|QR-4410-0042"}));

    QCOMPARE(PanelBar(window)->maximum(), 3);
    QCOMPARE(PanelBar(window)->value(), 3);
    QVERIFY(LatestPanel(window)->isHidden());
    QVERIFY(window.currentWorker == nullptr);
}

void TestVerifyRun::nameIsShownAsItIs_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("first placeholder") << "x%1.jpg";
    QTest::newRow("second and third") << "%2-%3.jpg";
    QTest::newRow("all three, reversed") << "%3%2%1.jpg";
    QTest::newRow("localized placeholder") << "%L1 %99.jpg";
}

// The label must not read anything in the file name as a place for the counts.
void TestVerifyRun::nameIsShownAsItIs()
{
    QFETCH(QString, name);
    const QStringList paths = {Evidence("still.jpg", name), Evidence("still.jpg", "second.jpg")};
    QVERIFY(!paths.contains(QString()));

    MainWindow window;
    QStringList labels;
    connect(window.listModel, &QAbstractItemModel::rowsInserted, [&] { labels << PanelText(window); });
    window.VerifyFiles(paths);

    QCOMPARE(labels, QStringList({"Processing " + name + "...(0/2)", "Processing second.jpg...(1/2)"}));
}

void TestVerifyRun::cancelDuringTheFirstOfThree()
{
    // The first file is big enough to be still in work when the queued click arrives.
    const QStringList paths = {MakeLargeEvidence(folders.User(), "one.mp4", 16 << 20),
                               Evidence("still.jpg", "two.jpg"), Evidence("still.jpg", "three.jpg")};
    QVERIFY(!paths.contains(QString()));

    MainWindow window;
    bool hiddenAtOnce = false;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            ProgressWidget* panel = LatestPanel(window);
            QTest::mouseClick(panel->findChild<QPushButton*>(), Qt::LeftButton);
            hiddenAtOnce = panel->isHidden();
        },
        Qt::QueuedConnection);
    window.VerifyFiles(paths);

    QVERIFY(hiddenAtOnce);
    QCOMPARE(ShownRows(window.sortProxy).size(), 1);
    QCOMPARE(window.listModel->index(0, 0).data().toString(), QString("one.mp4"));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(1, 1, 0));
    QVERIFY(PanelBar(window)->value() < PanelBar(window)->maximum());

    // The next run starts afresh.
    window.VerifyFiles({paths.at(1)});
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(2, 2, 0));
}

// The window manager closes the panel through its window, as its close button or Alt+F4 would.
void TestVerifyRun::closingThePanelCancels()
{
    const QStringList paths = {MakeLargeEvidence(folders.User(), "one.mp4", 16 << 20),
                               Evidence("still.jpg", "two.jpg"), Evidence("still.jpg", "three.jpg")};
    QVERIFY(!paths.contains(QString()));

    MainWindow window;
    bool closed = false;
    QMetaObject::invokeMethod(
        &window, [&] { closed = LatestPanel(window)->windowHandle()->close(); }, Qt::QueuedConnection);
    window.VerifyFiles(paths);

    QVERIFY(closed);
    QCOMPARE(ShownRows(window.sortProxy).size(), 1);
    QCOMPARE(window.listModel->index(0, 0).data().toString(), QString("one.mp4"));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(1, 1, 0));
    QVERIFY(PanelBar(window)->value() < PanelBar(window)->maximum());

    // A run that ends by itself closes its panel without counting as cancelled.
    window.VerifyFiles(paths.mid(1));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(3, 3, 0));
    QVERIFY(!LatestPanel(window)->IsCanceled());
    QCOMPARE(PanelBar(window)->value(), 2);
}

void TestVerifyRun::filesOpenedAfterCancelGetARunOfTheirOwn_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Open File(s)") << "OpenFiles";
    QTest::newRow("Open Folder") << "OpenFolder";
}

// Cancel drops the rest of its run, not what the user chooses after it while the cancelled file
// is still in work: that gets a run of its own once the cancelled one has ended.
void TestVerifyRun::filesOpenedAfterCancelGetARunOfTheirOwn()
{
    QFETCH(QString, command);
    const QStringList first = {MakeLargeEvidence(folders.User(), "one.mp4", 16 << 20),
                               Evidence("still.jpg", "two.jpg")};
    const QString laterFolder = QDir(folders.User()).filePath("later");
    QVERIFY(QDir().mkdir(laterFolder));
    const QStringList later = {MakeTamperedEvidence(laterFolder, "still.jpg", "three.jpg"),
                               MakeEvidence(laterFolder, "clip-mdat-first.mp4", "four.mp4")};
    QVERIFY(!first.contains(QString()) && !later.contains(QString()));

    MainWindow window;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            QTest::mouseClick(LatestPanel(window)->findChild<QPushButton*>(), Qt::LeftButton);
            AnswerNextFileDialog(command == "OpenFiles" ? later : QStringList({laterFolder}));
            QMetaObject::invokeMethod(&window, command.toLatin1().constData());
        },
        Qt::QueuedConnection);
    QStringList labels;
    connect(window.listModel, &QAbstractItemModel::rowsInserted, [&] { labels << PanelText(window); });
    window.VerifyFiles(first);

    QCOMPARE(ShownRows(window.sortProxy).size(), 3);
    QCOMPARE(labels.size(), 3);
    QCOMPARE(labels.at(0), QString("Processing one.mp4...(0/2)"));
    QVERIFY2(labels.at(1).endsWith("...(0/2)") && labels.at(2).endsWith("...(1/2)"),
             qPrintable(labels.join(',')));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(3, 2, 1));
    QCOMPARE(PanelBar(window)->value(), 2);
    QVERIFY(window.currentWorker == nullptr);
}

void TestVerifyRun::pathsThatAreNoFileAreSkipped_data()
{
    QTest::addColumn<QString>("skipped");
    QTest::newRow("vanished") << "vanished";
    QTest::newRow("folder") << "folder";
    QTest::newRow("empty path") << "";
}

void TestVerifyRun::pathsThatAreNoFileAreSkipped()
{
    QFETCH(QString, skipped);
    QString path;
    if (skipped == "vanished") {
        path = Evidence("still.jpg", "vanished.jpg");
        QVERIFY(QFile::remove(path));
    } else if (skipped == "folder") {
        QVERIFY(QDir(folders.User()).mkdir("folder.jpg"));
        path = QDir(folders.User()).filePath("folder.jpg");
    }
    const QString first = Evidence("still.jpg", "first.jpg");
    const QString last = Tampered("still.jpg", "last.jpg");
    QVERIFY(!first.isEmpty() && !last.isEmpty());

    MainWindow window;
    QStringList labels;
    connect(window.listModel, &QAbstractItemModel::rowsInserted, [&] { labels << PanelText(window); });
    window.VerifyFiles({first, path, last});

    QCOMPARE(labels, QStringList({"Processing first.jpg...(0/3)", "Processing last.jpg...(2/3)"}));
    QCOMPARE(window.listModel->rowCount(), 2);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(2, 1, 1));
    QCOMPARE(PanelBar(window)->value(), 3);
}

void TestVerifyRun::emptyRunChangesNothing()
{
    const QString path = Evidence("still.jpg", "photo.jpg");
    QVERIFY(!path.isEmpty());
    MainWindow window;
    window.VerifyFiles({path});
    window.listView->scrollToBottom();
    window.VerifyFiles({});
    QCOMPARE(window.listModel->rowCount(), 1);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(1, 1, 0));
}

// The working folder holds a file named as the old fixed-name copy was, and a file named like
// this program's copies: both are verified by their absolute paths and stay as they were.
void TestVerifyRun::userFilesStayUntouched()
{
    const QString cwd = folders.Work();
    const QStringList paths = {MakeEvidence(cwd, "still.jpg", "temp.jpg"),
                               MakeTamperedEvidence(cwd, "still.jpg", "photo.jpg"),
                               MakeEvidence(cwd, "clip.avi", ".quorlith-000000.avi"),
                               MakeEvidence(cwd, "clip-mdat-first.mp4", "temp.2015.mp4"),
                               Evidence("clip-faststart.mp4", "elsewhere.mp4")};
    QVERIFY(!paths.contains(QString()));
    QTest::qWait(20); // so that a rewrite would show in the modification times
    const auto beforeHere = SnapshotFolder(cwd);
    const auto beforeThere = SnapshotFolder(folders.User());

    MainWindow window;
    window.VerifyFiles(paths);
    window.VerifyFiles(paths);

    QCOMPARE(SnapshotFolder(cwd), beforeHere);
    QCOMPARE(SnapshotFolder(folders.User()), beforeThere);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(10, 8, 2));
    for (int row = 0; row < window.listModel->rowCount(); ++row) {
        const QModelIndex name = window.listModel->index(row, 0);
        QCOMPARE(window.listModel->index(row, 1).data().toString(),
                 name.data().toString() == "photo.jpg" ? kFailed : kSucceeded);
    }
}

void TestVerifyRun::unwritableWorkingFolderGivesTrueVerdicts_data()
{
    QTest::addColumn<QString>("workingFolder");
    QTest::newRow("read-only file system") << "/proc";
    QTest::newRow("removed folder") << QString();
}

void TestVerifyRun::unwritableWorkingFolderGivesTrueVerdicts()
{
    QFETCH(QString, workingFolder);
    const QStringList paths = {Evidence("still.jpg", "photo.jpg"), Tampered("clip.avi", "clip.avi"),
                               Evidence("clip-faststart.mp4", "clip.mp4")};
    QVERIFY(!paths.contains(QString()));
    if (workingFolder.isEmpty())
        QVERIFY(QDir().rmdir(folders.Work()));
    else
        QVERIFY(QDir::setCurrent(workingFolder));
    const auto before = SnapshotFolder(folders.User());

    MainWindow window;
    window.VerifyFiles(paths);

    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(3, 2, 1));
    QCOMPARE(SnapshotFolder(folders.User()), before);
}

// Open File(s) during a run adds to that run instead of starting a second one inside it.
void TestVerifyRun::filesOpenedDuringARunJoinIt()
{
    // The first file is big enough to be still in work when the queued command arrives.
    const QStringList first = {MakeLargeEvidence(folders.User(), "one.mp4", 16 << 20),
                               Evidence("still.jpg", "two.jpg")};
    const QStringList joining = {Tampered("still.jpg", "three.jpg"),
                                 Evidence("clip-mdat-first.mp4", "four.mp4")};
    QVERIFY(!first.contains(QString()) && !joining.contains(QString()));

    MainWindow window;
    int panelsDuringRun = 0;
    int maximumAfterJoin = 0;
    QString statusAfterJoin;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            AnswerNextFileDialog(joining);
            QMetaObject::invokeMethod(&window, "OpenFiles");
            panelsDuringRun = window.findChildren<ProgressWidget*>().size();
            maximumAfterJoin = PanelBar(window)->maximum();
            statusAfterJoin = window.statusBar()->currentMessage();
        },
        Qt::QueuedConnection);
    QStringList labels;
    connect(window.listModel, &QAbstractItemModel::rowsInserted, [&] { labels << PanelText(window); });
    window.VerifyFiles(first);

    QCOMPARE(panelsDuringRun, 1);
    QCOMPARE(maximumAfterJoin, 4);
    QCOMPARE(statusAfterJoin, StatusLine(4, 0, 0));
    QCOMPARE(labels, QStringList({"Processing one.mp4...(0/2)", "Processing two.jpg...(1/4)",
                                  "Processing three.jpg...(2/4)", "Processing four.mp4...(3/4)"}));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(4, 3, 1));
    QCOMPARE(PanelBar(window)->value(), 4);
}

void TestVerifyRun::closingTheWindowEndsTheRunAndTheProgram_data()
{
    QTest::addColumn<bool>("quitWithoutClosing");
    QTest::newRow("window closed") << false;
    QTest::newRow("application quits, window still open") << true;
}

// Closing the window while a file is verified lets that file finish, drops the rest and lets
// the program end; the application's quit must not cut the worker off either. Quitting the
// application without closing the window ends the run the same way.
void TestVerifyRun::closingTheWindowEndsTheRunAndTheProgram()
{
    QFETCH(bool, quitWithoutClosing);
    // Big enough that the program quits while the first file is still in work.
    const QStringList paths = {MakeLargeEvidence(folders.User(), "one.mp4", 48 << 20),
                               Evidence("still.jpg", "two.jpg"), Evidence("still.jpg", "three.jpg")};
    QVERIFY(!paths.contains(QString()));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool runReturned = false;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            window.VerifyFiles(paths);
            runReturned = true;
        },
        Qt::QueuedConnection);
    if (quitWithoutClosing)
        QMetaObject::invokeMethod(qApp, "quit", Qt::QueuedConnection);
    else
        QMetaObject::invokeMethod(&window, "close", Qt::QueuedConnection);
    QCOMPARE(QCoreApplication::exec(), 0);

    QVERIFY(runReturned);
    QCOMPARE(window.isVisible(), quitWithoutClosing);
    QCOMPARE(ShownRows(window.sortProxy).size(), 1);
    QCOMPARE(window.listModel->index(0, 0).data().toString(), QString("one.mp4"));
    QCOMPARE(window.listModel->index(0, 1).data().toString(), kSucceeded);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(1, 1, 0));
    QCOMPARE(QDir(folders.Work()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_MAIN(TestVerifyRun)
#include "TestVerifyRun.moc"
