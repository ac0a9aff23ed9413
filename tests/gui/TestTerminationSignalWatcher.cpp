// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"
#include "app/MainWindow.h"
#include "app/TerminationSignalWatcher.h"
#include "tests/support/EvidenceFiles.h"

#include <QSettings>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include <memory>

#include <signal.h>

class TestTerminationSignalWatcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void signalEndsTheProgramAsClosingDoes_data();
    void signalEndsTheProgramAsClosingDoes();
    void signalDuringARunBeforeTheEventLoopRuns();

private:
    QTemporaryDir settingsDir;
    WindowTestFolders folders;
};

void TestTerminationSignalWatcher::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    UseTemporarySettings(settingsDir);
}

void TestTerminationSignalWatcher::init()
{
    QVERIFY(folders.Enter());
}

void TestTerminationSignalWatcher::cleanup()
{
    folders.Leave();
}

void TestTerminationSignalWatcher::signalEndsTheProgramAsClosingDoes_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// The signal comes while the first of three files is in work: that file finishes and gets its
// row, the other two never start, the working folder holds nothing, the geometry is stored and the event
// loop ends, although the help window is still open.
void TestTerminationSignalWatcher::signalEndsTheProgramAsClosingDoes()
{
    QFETCH(int, signalNumber);
    // Big enough that the signal arrives while the first file is still in work.
    const QStringList paths = {MakeLargeEvidence(folders.User(), "one.mp4", 48 << 20),
                               MakeEvidence(folders.User(), "still.jpg", "two.jpg"),
                               MakeEvidence(folders.User(), "still.jpg", "three.jpg")};
    QVERIFY(!paths.contains(QString()));
    QSettings store(QStringLiteral("Trevalon Inc."), QStringLiteral("Trevalon Quorlith"));
    store.clear();
    store.sync();

    MainWindow window;
    window.resize(613, 377);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMetaObject::invokeMethod(&window, "Help");
    const TerminationSignalWatcher watcher(&window);
    bool runReturned = false;
    QMetaObject::invokeMethod(
        &window,
        [&] {
            window.VerifyFiles(paths);
            runReturned = true;
        },
        Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        &window, [signalNumber] { raise(signalNumber); }, Qt::QueuedConnection);
    QCOMPARE(QCoreApplication::exec(), 0);

    QVERIFY(runReturned);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.listModel->rowCount(), 1);
    QCOMPARE(window.listModel->index(0, 0).data().toString(), QString("one.mp4"));
    QCOMPARE(window.statusBar()->currentMessage(),
             QString("Total files: 1  Authentication succeeded: 1  Authentication failed: 0"));
    QCOMPARE(QDir(folders.Work()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    store.sync();
    QCOMPARE(store.value("Size").toSize(), QSize(613, 377));
}

// A run started before the application's event loop (paths given at start-up) sees the signal in
// its own loops; the event loop that starts after it must still end.
void TestTerminationSignalWatcher::signalDuringARunBeforeTheEventLoopRuns()
{
    const QStringList paths = {MakeLargeEvidence(folders.User(), "one.mp4", 48 << 20),
                               MakeEvidence(folders.User(), "still.jpg", "two.jpg")};
    QVERIFY(!paths.contains(QString()));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const TerminationSignalWatcher watcher(&window);
    QMetaObject::invokeMethod(
        &window, [] { raise(SIGTERM); }, Qt::QueuedConnection);
    window.VerifyFiles(paths);
    QCOMPARE(window.listModel->rowCount(), 1);
    QVERIFY(!window.isVisible());

    // The loop ends at once when the request to end outlived the run; a lost one would leave it
    // running until the test harness gave up, with no word of why.
    bool ended = true;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&ended] {
        ended = false;
        QCoreApplication::exit(1);
    });
    watchdog.start(15000);
    const int status = QCoreApplication::exec();
    QVERIFY2(ended, "the event loop that started after the run did not end on the signal");
    QCOMPARE(status, 0);
}

QTEST_MAIN(TestTerminationSignalWatcher)
#include "TestTerminationSignalWatcher.moc"
