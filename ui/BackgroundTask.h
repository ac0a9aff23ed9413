// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_BACKGROUNDTASK_H
#define QUORLITH_UI_BACKGROUNDTASK_H

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>

// Work the window runs beside its event loop, such as reading a large clip, so that it keeps painting
// and hears Cancel. The work polls StopRequested() and ends early when it is set; Finished() comes in
// the task's own thread once the work has returned. A task destroyed while its work runs asks it to
// stop and waits for it, so neither closing a window nor quitting leaves a thread behind.
class BackgroundTask : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundTask(std::function<void()> work, QObject* parent = nullptr);
    ~BackgroundTask() override;

    void Start(QThread::Priority priority = QThread::InheritPriority);
    // Asks the work to end; safe from any thread, also from the work itself.
    void Stop();
    bool StopRequested() const { return stopRequested.load(std::memory_order_relaxed); }
    // Waits until the work has returned; afterwards everything it wrote may be read.
    void Wait();
    void StopAndWait();
    bool IsDone() const { return done.load(std::memory_order_acquire); }

signals:
    void Finished();

private:
    const std::function<void()> work;
    QThread* thread = nullptr;
    std::atomic<bool> stopRequested{false};
    // Stored last by the worker: Qt waits with futexes that ThreadSanitizer cannot see, and loading
    // this shows it the hand-over of everything the work wrote.
    std::atomic<bool> done{false};
};

#endif
