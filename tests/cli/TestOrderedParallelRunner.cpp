// SPDX-License-Identifier: Apache-2.0
#include "cli/OrderedParallelRunner.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class TestOrderedParallelRunner : public QObject
{
    Q_OBJECT

private slots:
    void deliversInInputOrder_data();
    void deliversInInputOrder();
    void stopEndsOnTheTargetsStarted_data();
    void stopEndsOnTheTargetsStarted();
    void windowEndsSixteenTargetsPerJobAhead_data();
    void windowEndsSixteenTargetsPerJobAhead();
    void batchesFinishOutOfOrder_data();
    void batchesFinishOutOfOrder();
};

namespace {

// Holds up to room targets and finishes the one started last first, as lanes of files of different
// lengths finish; counts how many it ever held and whether a stop let it start more.
class LastInFirstOut : public OrderedParallelRunner::Batch
{
public:
    LastInFirstOut(int room, std::atomic<int>* mostHeld, std::atomic<int>* started, std::atomic<bool>* stop,
                   int stopAt, std::atomic<int>* startedAfterStop)
        : room(room), mostHeld(mostHeld), started(started), stop(stop), stopAt(stopAt),
          startedAfterStop(startedAfterStop)
    {
    }
    bool HasRoom() const override { return static_cast<int>(held.size()) < room; }
    void Start(size_t index, const VerificationTarget&) override
    {
        ++*started;
        if (*stop)
            ++*startedAfterStop;
        if (static_cast<int>(index) == stopAt)
            *stop = true;
        held.push_back(index);
        for (int seen = *mostHeld, now = static_cast<int>(held.size());
             now > seen && !mostHeld->compare_exchange_weak(seen, now);) {
        }
    }
    std::vector<std::pair<size_t, VerificationResult>> Next() override
    {
        std::vector<std::pair<size_t, VerificationResult>> finished;
        if (held.empty())
            return finished;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
        VerificationResult result;
        result.path = std::to_string(held.back());
        finished.emplace_back(held.back(), result);
        held.pop_back();
        return finished;
    }

private:
    const int room;
    std::vector<size_t> held;
    std::atomic<int>* mostHeld;
    std::atomic<int>* started;
    std::atomic<bool>* stop;
    const int stopAt;
    std::atomic<int>* startedAfterStop;
};

} // namespace

void TestOrderedParallelRunner::deliversInInputOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("jobs");
    QTest::newRow("nothing to do") << 0 << 4;
    QTest::newRow("one file, many jobs") << 1 << 8;
    QTest::newRow("one job") << 50 << 1;
    QTest::newRow("more files than the window") << 300 << 3;
}

// Early targets take longest, so later ones finish first; the deliveries must still come in
// input order, on the calling thread, each exactly once, while workers do run in parallel.
void TestOrderedParallelRunner::deliversInInputOrder()
{
    QFETCH(int, count);
    QFETCH(int, jobs);
    std::vector<VerificationTarget> targets(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        targets[static_cast<size_t>(i)].path = std::to_string(i);
        targets[static_cast<size_t>(i)].size = i;
    }

    std::atomic<int> running(0);
    std::atomic<int> mostAtOnce(0);
    const std::thread::id caller = std::this_thread::get_id();
    QStringList delivered;
    bool deliveredOnCaller = true;
    long long lastFilesDone = 0;
    int64_t lastBytesDone = 0;
    OrderedParallelRunner::Run(
        targets, jobs,
        [&](const VerificationTarget& target) {
            const int now = ++running;
            for (int seen = mostAtOnce; now > seen && !mostAtOnce.compare_exchange_weak(seen, now);) {
            }
            std::this_thread::sleep_for(
                std::chrono::microseconds(50 * (count - std::stoi(target.path)) % 2000));
            --running;
            VerificationResult result;
            result.path = target.path;
            return result;
        },
        [&](const VerificationResult& result) {
            deliveredOnCaller = deliveredOnCaller && std::this_thread::get_id() == caller;
            delivered << QString::fromStdString(result.path);
        },
        [&](long long filesDone, int64_t bytesDone) {
            lastFilesDone = filesDone;
            lastBytesDone = bytesDone;
        });

    QStringList expected;
    for (int i = 0; i < count; ++i)
        expected << QString::number(i);
    QCOMPARE(delivered, expected);
    QVERIFY(deliveredOnCaller);
    QVERIFY(mostAtOnce <= jobs);
    if (count >= 50 && jobs > 1)
        QVERIFY(mostAtOnce > 1);
    if (count > 0) {
        QCOMPARE(lastFilesDone, static_cast<long long>(count));
        QCOMPARE(lastBytesDone, static_cast<int64_t>(count) * (count - 1) / 2);
    }
}

void TestOrderedParallelRunner::stopEndsOnTheTargetsStarted_data()
{
    QTest::addColumn<int>("jobs");
    QTest::addColumn<int>("stopAt");
    QTest::newRow("asked before the first start") << 2 << -1;
    QTest::newRow("one job, at the first target") << 1 << 0;
    QTest::newRow("three jobs, within the first window") << 3 << 5;
    QTest::newRow("three jobs, after several windows") << 3 << 120;
}

// The stop is asked while target stopAt is verified, as a signal comes while the delivering thread
// waits. From then no target is started but those whose workers had already asked, at most one per
// job; every target started is verified to the end and delivered, in order, and the count answered
// is the count delivered.
void TestOrderedParallelRunner::stopEndsOnTheTargetsStarted()
{
    QFETCH(int, jobs);
    QFETCH(int, stopAt);
    const int count = 300;
    std::vector<VerificationTarget> targets(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        targets[static_cast<size_t>(i)].path = std::to_string(i);

    std::atomic<bool> stop(stopAt < 0);
    std::atomic<int> started(0);
    std::atomic<int> startedAfterStop(0);
    QStringList delivered;
    const size_t answered = OrderedParallelRunner::Run(
        targets, jobs,
        [&](const VerificationTarget& target) {
            ++started;
            if (stop)
                ++startedAfterStop;
            if (std::stoi(target.path) == stopAt)
                stop = true;
            // Slow enough that the workers are not through the list before the stop.
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            VerificationResult result;
            result.path = target.path;
            return result;
        },
        [&](const VerificationResult& result) { delivered << QString::fromStdString(result.path); }, {},
        [&] { return stop.load(); });

    QStringList expected;
    for (int i = 0; i < started; ++i)
        expected << QString::number(i);
    QCOMPARE(delivered, expected);
    QCOMPARE(answered, static_cast<size_t>(delivered.size()));
    QVERIFY(delivered.size() > stopAt);
    QVERIFY2(startedAfterStop <= jobs, qPrintable(QString::number(startedAfterStop)));
    QVERIFY(started < count);
}

void TestOrderedParallelRunner::windowEndsSixteenTargetsPerJobAhead_data()
{
    QTest::addColumn<int>("jobs");
    QTest::newRow("two jobs") << 2;
    QTest::newRow("three jobs") << 3;
}

// While the first target is verified nothing can be delivered: the other workers go on to the end of the
// window, 16 targets per job counted from the first, and start none beyond it. The first target is held
// until the window is full, and then a while longer, time enough for a worker to start one more.
void TestOrderedParallelRunner::windowEndsSixteenTargetsPerJobAhead()
{
    QFETCH(int, jobs);
    const int window = jobs * 16;
    const int count = window * 3;
    std::vector<VerificationTarget> targets(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        targets[static_cast<size_t>(i)].path = std::to_string(i);

    std::mutex mutex;
    std::condition_variable startedMore;
    int started = 0;
    int startedWhileHeld = 0;
    QStringList delivered;
    OrderedParallelRunner::Run(
        targets, jobs,
        [&](const VerificationTarget& target) {
            std::unique_lock<std::mutex> lock(mutex);
            ++started;
            startedMore.notify_all();
            if (target.path == "0") {
                startedMore.wait_for(lock, std::chrono::seconds(60), [&] { return started >= window; });
                startedMore.wait_for(lock, std::chrono::milliseconds(200), [&] { return started > window; });
                startedWhileHeld = started;
            }
            VerificationResult result;
            result.path = target.path;
            return result;
        },
        [&](const VerificationResult& result) { delivered << QString::fromStdString(result.path); }, {});

    QCOMPARE(startedWhileHeld, window);
    QStringList expected;
    for (int i = 0; i < count; ++i)
        expected << QString::number(i);
    QCOMPARE(delivered, expected);
}

void TestOrderedParallelRunner::batchesFinishOutOfOrder_data()
{
    QTest::addColumn<int>("jobs");
    QTest::addColumn<int>("filesPerJob");
    QTest::addColumn<int>("stopAt");
    QTest::newRow("one job of 16") << 1 << 16 << -2;
    QTest::newRow("two jobs of 8") << 2 << 8 << -2;
    QTest::newRow("three jobs of 16, stopped early") << 3 << 16 << 10;
    QTest::newRow("two jobs of 16, stopped late") << 2 << 16 << 200;
    QTest::newRow("stopped before the first start") << 2 << 16 << -1;
}

// Each worker's batch finishes its files last first; the deliveries still come in input order, each
// once, no batch holds more than its room, and a stop starts at most one more per job (the one whose
// start saw it coming) while every file started is delivered.
void TestOrderedParallelRunner::batchesFinishOutOfOrder()
{
    QFETCH(int, jobs);
    QFETCH(int, filesPerJob);
    QFETCH(int, stopAt);
    const int count = 300;
    std::vector<VerificationTarget> targets(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        targets[static_cast<size_t>(i)].path = std::to_string(i);
    std::atomic<int> mostHeld(0);
    std::atomic<int> started(0);
    std::atomic<bool> stop(stopAt == -1);
    std::atomic<int> startedAfterStop(0);
    QStringList delivered;
    const size_t answered = OrderedParallelRunner::Run(
        targets, jobs, filesPerJob,
        [&] {
            return std::unique_ptr<OrderedParallelRunner::Batch>(
                new LastInFirstOut(filesPerJob, &mostHeld, &started, &stop, stopAt, &startedAfterStop));
        },
        [&](const VerificationResult& result) { delivered << QString::fromStdString(result.path); }, {},
        [&] { return stop.load(); });

    QStringList expected;
    for (int i = 0; i < started; ++i)
        expected << QString::number(i);
    QCOMPARE(delivered, expected);
    QCOMPARE(answered, static_cast<size_t>(delivered.size()));
    QVERIFY(mostHeld <= filesPerJob);
    if (stopAt < -1) {
        QCOMPARE(delivered.size(), count);
        QVERIFY(mostHeld > 1);
    } else {
        QVERIFY(delivered.size() > stopAt);
        QVERIFY2(startedAfterStop <= jobs, qPrintable(QString::number(startedAfterStop)));
    }
}

QTEST_GUILESS_MAIN(TestOrderedParallelRunner)
#include "TestOrderedParallelRunner.moc"
