// SPDX-License-Identifier: Apache-2.0
// A race in our own code, on threads that Qt starts and joins as the window's run does: two threads
// add to one counter without a lock. The ThreadSanitizer step runs it with the suppressions of the
// window's tests and fails unless it is reported, so that no suppression can hide a race of ours.
#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

long unguardedCount = 0;

void AddWithoutLock()
{
    for (int i = 0; i < 100000; ++i)
        unguardedCount = unguardedCount + 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::unique_ptr<QThread> first(QThread::create(AddWithoutLock));
    std::unique_ptr<QThread> second(QThread::create(AddWithoutLock));
    first->start();
    second->start();
    first->wait();
    second->wait();
    std::printf("%ld\n", unguardedCount);
    return 0;
}
