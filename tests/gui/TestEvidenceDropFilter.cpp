// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "filelist/EvidenceDropFilter.h"
#include "tests/support/EvidenceFiles.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTreeView>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {
QTreeView* ListOf(const MainWindow& window)
{
    return window.findChild<QTreeView*>();
}

QWidget* DropTarget(MainWindow& window, const QString& target)
{
    return target == "list" ? ListOf(window)->viewport() : static_cast<QWidget*>(&window);
}

// Drags data over target and drops it there, as the window system delivers it; answers whether
// the drag was taken on entering and the action the drop was answered with, or Qt::IgnoreAction
// when it was refused.
struct DragOutcome
{
    bool entered = false;
    Qt::DropAction dropped = Qt::IgnoreAction;
};
DragOutcome DragAndDrop(QWidget* target, const QMimeData& data, Qt::DropActions offered)
{
    DragOutcome outcome;
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    outcome.entered = enter.isAccepted();
    QDropEvent drop(centre, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    if (drop.isAccepted())
        outcome.dropped = drop.dropAction();
    return outcome;
}

QMimeData* LinksTo(const QStringList& links)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& link : links)
        urls << QUrl(link);
    data->setUrls(urls);
    return data;
}
} // namespace

class TestEvidenceDropFilter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void droppedFilesAndFoldersAreAdded_data();
    void droppedFilesAndFoldersAreAdded();
    void dragsWithoutLocalFilesAreRefused_data();
    void dragsWithoutLocalFilesAreRefused();
    void dropDuringARunJoinsIt();

private:
    QString UserUrl(const QString& name) const;

    WindowTestFolders folders;
    QTemporaryDir settingsDir;
};

void TestEvidenceDropFilter::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

// The user's side: a still, a clip, and a folder whose evidence lies in a subfolder beside a
// name the folder scan refuses.
void TestEvidenceDropFilter::init()
{
    QVERIFY(folders.Enter());
    const QString top = folders.User();
    QVERIFY(QDir().mkpath(top + "/case 17/sub"));
    QVERIFY(!MakeEvidence(top, "still.jpg", "z.jpg").isEmpty());
    QVERIFY(!MakeEvidence(top, "clip-mdat-first.mp4", "a.mp4").isEmpty());
    QVERIFY(!MakeTamperedEvidence(top + "/case 17/sub", "clip.avi", "clip.avi").isEmpty());
    QVERIFY(!MakeEvidence(top + "/case 17", "still.jpg", "photo.jpeg").isEmpty());
}

void TestEvidenceDropFilter::cleanup()
{
    folders.Leave();
}

QString TestEvidenceDropFilter::UserUrl(const QString& name) const
{
    return QUrl::fromLocalFile(QDir(folders.User()).filePath(name)).toString();
}

void TestEvidenceDropFilter::droppedFilesAndFoldersAreAdded_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<Qt::DropActions>("offered");
    QTest::addColumn<QStringList>("verified");
    QTest::addColumn<QString>("status");
    const Qt::DropActions copyOrMove = Qt::CopyAction | Qt::MoveAction;
    QTest::newRow("files onto the list") << "list" << QStringList({"z.jpg", "a.mp4"}) << copyOrMove
                                         << QStringList({"z.jpg", "a.mp4"}) << StatusLine(2, 2, 0);
    QTest::newRow("a folder onto the window, by the scan rule")
        << "window" << QStringList({"case 17"}) << Qt::DropActions(Qt::CopyAction)
        << QStringList({"clip.avi"}) << StatusLine(1, 0, 1);
    QTest::newRow("files and a folder, in their order")
        << "list" << QStringList({"a.mp4", "case 17", "z.jpg"}) << copyOrMove
        << QStringList({"a.mp4", "clip.avi", "z.jpg"}) << StatusLine(3, 2, 1);
    QTest::newRow("a missing file among them") << "window" << QStringList({"gone.jpg", "z.jpg"}) << copyOrMove
                                               << QStringList({"z.jpg"}) << StatusLine(1, 1, 0);
}

// Taken as a copy even where the source would rather move: the source then leaves its files alone.
// The run starts after the drop event has been answered.
void TestEvidenceDropFilter::droppedFilesAndFoldersAreAdded()
{
    QFETCH(QString, target);
    QFETCH(QStringList, dropped);
    QFETCH(Qt::DropActions, offered);
    QFETCH(QStringList, verified);
    QFETCH(QString, status);
    QStringList links;
    for (const QString& name : dropped)
        links << UserUrl(name);
    std::unique_ptr<QMimeData> data(LinksTo(links));
    MainWindow window;

    const DragOutcome outcome = DragAndDrop(DropTarget(window, target), *data, offered);

    QVERIFY(outcome.entered);
    QCOMPARE(outcome.dropped, Qt::CopyAction);
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(0, 0, 0));
    QCoreApplication::processEvents();
    QCOMPARE(VerifiedOrder(window), verified);
    QCOMPARE(window.statusBar()->currentMessage(), status);
}

void TestEvidenceDropFilter::dragsWithoutLocalFilesAreRefused_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Qt::DropActions>("offered");
    QTest::newRow("text onto the list") << "list"
                                        << "text" << Qt::DropActions(Qt::CopyAction);
    QTest::newRow("a web link onto the window") << "window"
                                                << "web" << Qt::DropActions(Qt::CopyAction);
    QTest::newRow("a file that may only be moved") << "list"
                                                   << "file" << Qt::DropActions(Qt::MoveAction);
}

void TestEvidenceDropFilter::dragsWithoutLocalFilesAreRefused()
{
    QFETCH(QString, target);
    QFETCH(QString, kind);
    QFETCH(Qt::DropActions, offered);
    std::unique_ptr<QMimeData> data;
    if (kind == "text") {
        data.reset(new QMimeData);
        data->setText(QDir(folders.User()).filePath("z.jpg"));
    } else if (kind == "web") {
        data.reset(LinksTo({"https://example.org/z.jpg"}));
    } else {
        data.reset(LinksTo({UserUrl("z.jpg")}));
    }
    MainWindow window;

    const DragOutcome outcome = DragAndDrop(DropTarget(window, target), *data, offered);
    QCoreApplication::processEvents();

    QVERIFY(!outcome.entered);
    QCOMPARE(outcome.dropped, Qt::IgnoreAction);
    QCOMPARE(VerifiedOrder(window), QStringList());
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(0, 0, 0));
    QVERIFY(QFile::exists(QDir(folders.User()).filePath("z.jpg")));
}

// Dropped while the first of two files is still in work: the files go to the end of that run,
// which verifies them before it ends.
void TestEvidenceDropFilter::dropDuringARunJoinsIt()
{
    const QString top = folders.User();
    const QString large = MakeLargeEvidence(top, "large.mp4", 16 << 20);
    QVERIFY(!large.isEmpty());
    std::unique_ptr<QMimeData> data(LinksTo({UserUrl("z.jpg"), UserUrl("case 17")}));
    MainWindow window;

    QString statusAfterDrop;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            DragAndDrop(ListOf(window)->viewport(), *data, Qt::CopyAction);
            QCoreApplication::processEvents();
            statusAfterDrop = window.statusBar()->currentMessage();
        },
        Qt::QueuedConnection);
    window.AddPaths({large, QDir(top).filePath("a.mp4")});

    QCOMPARE(statusAfterDrop, StatusLine(4, 0, 0));
    QCOMPARE(VerifiedOrder(window), QStringList({"large.mp4", "a.mp4", "z.jpg", "clip.avi"}));
    QCOMPARE(window.statusBar()->currentMessage(), StatusLine(4, 3, 1));
}

QTEST_MAIN(TestEvidenceDropFilter)
#include "TestEvidenceDropFilter.moc"
