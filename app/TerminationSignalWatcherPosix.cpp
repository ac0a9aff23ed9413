// SPDX-License-Identifier: Apache-2.0
// SIGTERM, SIGINT and SIGHUP through a pipe: a signal handler may do next to nothing, so it only
// writes the signal's number to the pipe; a socket notifier reads it on the GUI thread.
#include "app/TerminationSignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>

#include <fcntl.h>
#include <signal.h>
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

void EmptyPipe()
{
    char bytes[16];
    while (read(readEnd, bytes, sizeof bytes) > 0) {
    }
}
} // namespace

struct TerminationSignalWatcher::SystemHandlers
{
    QSocketNotifier* notifier = nullptr;
    struct sigaction previous[3];
};

TerminationSignalWatcher::TerminationSignalWatcher(QWidget* mainWindow) : mainWindow(mainWindow)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd = ends[0];
    writeEnd = ends[1];
    handlers = std::make_unique<SystemHandlers>();
    handlers->notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(handlers->notifier, &QSocketNotifier::activated, this, [this] {
        EmptyPipe();
        EndProgram();
    });

    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        sigaction(kWatchedSignals[i], &action, &handlers->previous[i]);
}

TerminationSignalWatcher::~TerminationSignalWatcher()
{
    if (!handlers)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(kWatchedSignals[i], &handlers->previous[i], nullptr);
    delete handlers->notifier;
    close(readEnd);
    close(writeEnd);
    readEnd = -1;
    writeEnd = -1;
}
