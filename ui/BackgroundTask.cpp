// SPDX-License-Identifier: Apache-2.0
#include "ui/BackgroundTask.h"

#include <utility>

BackgroundTask::BackgroundTask(std::function<void()> work, QObject* parent)
    : QObject(parent), work(std::move(work))
{
}

BackgroundTask::~BackgroundTask()
{
    StopAndWait();
}

void BackgroundTask::Start(QThread::Priority priority)
{
    if (thread != nullptr)
        return;
    thread = QThread::create([this] {
        work();
        done.store(true, std::memory_order_release);
    });
    // Queued to this object's thread: the signal of a task that is being destroyed is never delivered.
    connect(thread, &QThread::finished, this, &BackgroundTask::Finished, Qt::QueuedConnection);
    thread->start(priority);
}

void BackgroundTask::Stop()
{
    stopRequested.store(true, std::memory_order_relaxed);
}

void BackgroundTask::Wait()
{
    if (thread == nullptr)
        return;
    thread->wait();
    done.load(std::memory_order_acquire);
}

void BackgroundTask::StopAndWait()
{
    Stop();
    Wait();
    delete thread;
    thread = nullptr;
}
