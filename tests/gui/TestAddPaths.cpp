// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "filelist/ResultRole.h"
#include "tests/support/EvidenceFiles.h"

#include <QStandardItemModel>

#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTreeView>
#include <QtTest>

#include <memory>

class TestAddPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void verifiesFilesAndScannedFoldersInOrder_data();
    void verifiesFilesAndScannedFoldersInOrder();
    void relativePathsAreKeptAbsolute();

private:
    WindowTestFolders folders;
    QTemporaryDir settingsDir;
};

void TestAddPaths::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

// The user's side: two files, a folder whose only evidence lies two levels down among names the
// scan rule refuses, a folder with one still, and an empty folder.
void TestAddPaths::init()
{
    QVERIFY(folders.Enter());

    const QString top = folders.User();
    const QString folder = top + "/case 17";
    QVERIFY(QDir().mkpath(folder + "/sub/deeper"));
    QVERIFY(QDir().mkpath(top + "/case 18"));
    QVERIFY(QDir().mkpath(top + "/empty"));
    QVERIFY(!MakeEvidence(top, "still.jpg", "z.jpg").isEmpty());
    QVERIFY(!MakeEvidence(top, "clip-mdat-first.mp4", "a.mp4").isEmpty());
    QVERIFY(!MakeTamperedEvidence(folder + "/sub/deeper", "clip.avi", "clip.avi").isEmpty());
    QVERIFY(!MakeEvidence(folder, "clip-faststart.mp4", "clip.mp4.part").isEmpty());
    QVERIFY(!MakeEvidence(folder, "still.jpg", "photo.jpeg").isEmpty());
    QVERIFY(!MakeEvidence(folder, "still.jpg", ".hidden.jpg").isEmpty());
    QVERIFY(QFile::link(top + "/z.jpg", folder + "/link.jpg"));
    QVERIFY(!MakeEvidence(top + "/case 18", "still.jpg", "photo.JPG").isEmpty());
}

void TestAddPaths::cleanup()
{
    folders.Leave();
}

void TestAddPaths::verifiesFilesAndScannedFoldersInOrder_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("verified");
    QTest::addColumn<QString>("status");
    QTest::newRow("a file") << QStringList({"z.jpg"}) << QStringList({"z.jpg"}) << StatusLine(1, 1, 0);
    QTest::newRow("a folder, by the scan rule")
        << QStringList({"case 17"}) << QStringList({"clip.avi"}) << StatusLine(1, 0, 1);
    QTest::newRow("a missing path") << QStringList({"gone.jpg"}) << QStringList() << StatusLine(0, 0, 0);
    QTest::newRow("a folder without evidence")
        << QStringList({"empty"}) << QStringList() << StatusLine(0, 0, 0);
    QTest::newRow("the given order, not the list's")
        << QStringList({"z.jpg", "case 17", "gone.jpg", "case 18", "a.mp4"})
        << QStringList({"z.jpg", "clip.avi", "photo.JPG", "a.mp4"}) << StatusLine(4, 3, 1);
    QTest::newRow("the same file twice")
        << QStringList({"a.mp4", "a.mp4"}) << QStringList({"a.mp4", "a.mp4"}) << StatusLine(2, 2, 0);
}

void TestAddPaths::verifiesFilesAndScannedFoldersInOrder()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, verified);
    QFETCH(QString, status);
    QStringList paths;
    for (const QString& name : given)
        paths << QDir(folders.User()).filePath(name);

    MainWindow window;
    window.AddPaths(paths);

    QCOMPARE(VerifiedOrder(window), verified);
    QCOMPARE(window.statusBar()->currentMessage(), status);
}

// A path given relative to the working folder, as a terminal passes it, is kept with its row as the full
// path, so that the details and reports name the file wherever the program is later.
void TestAddPaths::relativePathsAreKeptAbsolute()
{
    QVERIFY(QDir::setCurrent(folders.User()));
    MainWindow window;
    window.AddPaths({"z.jpg", "case 18"});

    const QAbstractItemModel* rows = window.listModel;
    QStringList kept;
    for (int row = rows->rowCount() - 1; row >= 0; --row)
        kept << QString::fromStdString(
            rows->index(row, 0).data(kResultRole).value<VerificationResult>().path);
    QCOMPARE(kept, QStringList({folders.User() + "/z.jpg", folders.User() + "/case 18/photo.JPG"}));
}

QTEST_MAIN(TestAddPaths)
#include "TestAddPaths.moc"
