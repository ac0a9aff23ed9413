// SPDX-License-Identifier: Apache-2.0
#include "ui/BackgroundTask.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>

class TestBackgroundTask : public QObject
{
    Q_OBJECT

private slots:
    void finishedComesInTheTaskThread();
    void stopEndsTheWork();
    void destroyedDuringTheWorkWaitsAndDeliversNothing();
};

namespace {
// Spins until the task is asked to stop, or fails after a long while instead of hanging the run.
bool WaitForStop(const BackgroundTask* task)
{
    const QDeadlineTimer deadline(60000);
    while (!task->StopRequested()) {
        if (deadline.hasExpired())
            return false;
        QThread::yieldCurrentThread();
    }
    return true;
}
} // namespace

void TestBackgroundTask::finishedComesInTheTaskThread()
{
    std::atomic<QThread*> workThread{nullptr};
    QThread* finishedThread = nullptr;
    BackgroundTask task([&] { workThread = QThread::currentThread(); });
    connect(&task, &BackgroundTask::Finished, &task, [&] { finishedThread = QThread::currentThread(); });
    QSignalSpy finished(&task, &BackgroundTask::Finished);
    task.Start();
    QVERIFY(finished.wait(60000));
    QVERIFY(task.IsDone());
    QVERIFY(workThread.load() != nullptr);
    QVERIFY(workThread.load() != QThread::currentThread());
    QCOMPARE(finishedThread, QThread::currentThread());
    QCOMPARE(finished.count(), 1);
}

void TestBackgroundTask::stopEndsTheWork()
{
    QSemaphore started;
    std::atomic<bool> stopSeen{false};
    BackgroundTask* self = nullptr;
    BackgroundTask task([&] {
        started.release();
        stopSeen = WaitForStop(self);
    });
    self = &task;
    task.Start();
    QVERIFY(started.tryAcquire(1, 60000));
    QVERIFY(!task.IsDone());
    task.Stop();
    task.Wait();
    QVERIFY(task.IsDone());
    QVERIFY(stopSeen);
}

void TestBackgroundTask::destroyedDuringTheWorkWaitsAndDeliversNothing()
{
    QSemaphore started;
    std::atomic<bool> workEnded{false};
    int delivered = 0;
    BackgroundTask* self = nullptr;
    auto task = std::make_unique<BackgroundTask>([&] {
        started.release();
        WaitForStop(self);
        workEnded = true;
    });
    self = task.get();
    connect(task.get(), &BackgroundTask::Finished, this, [&] { ++delivered; });
    task->Start();
    QVERIFY(started.tryAcquire(1, 60000));
    task.reset();
    QVERIFY(workEnded);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(delivered, 0);
}

QTEST_GUILESS_MAIN(TestBackgroundTask)
#include "TestBackgroundTask.moc"
