// SPDX-License-Identifier: Apache-2.0
#include "cli/OrderedParallelRunner.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>

class TestOrderedParallelRunner : public QObject
{
    Q_OBJECT

private slots:
    void deliversInInputOrder_data();
    void deliversInInputOrder();
};

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

QTEST_GUILESS_MAIN(TestOrderedParallelRunner)
#include "TestOrderedParallelRunner.moc"
