// SPDX-License-Identifier: Apache-2.0
#include "app/TerminationSignalWatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {
const int kWatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's ends, shared with the signal handler, which can reach nothing else.
int readEnd = -1;
int writeEnd = -1;

void WriteSignalNumber(int number)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    // A full pipe already holds a request to end; nothing is lost when this write fails.
    [[maybe_unused]] const ssize_t written = write(writeEnd, &byte, 1);
    errno = savedErrno;
}
} // namespace

TerminationSignalWatcher::TerminationSignalWatcher(QWidget* mainWindow) : mainWindow(mainWindow)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd = ends[0];
    writeEnd = ends[1];
    notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationSignalWatcher::EndProgram);

    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        sigaction(kWatchedSignals[i], &action, &previous[i]);
}

TerminationSignalWatcher::~TerminationSignalWatcher()
{
    if (!notifier)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(kWatchedSignals[i], &previous[i], nullptr);
    delete notifier;
    close(readEnd);
    close(writeEnd);
    readEnd = -1;
    writeEnd = -1;
}

void TerminationSignalWatcher::EndProgram()
{
    char bytes[16];
    while (read(readEnd, bytes, sizeof bytes) > 0) {
    }
    mainWindow->close();
    QCoreApplication::quit();
    // A quit that comes before the application's event loop runs (a run started at start-up turns
    // loops of its own) is forgotten when that loop starts. This call waits for it: once told to
    // quit, the other loops end without handling anything.
    QMetaObject::invokeMethod(this, &QCoreApplication::quit, Qt::QueuedConnection);
}
