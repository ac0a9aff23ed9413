// SPDX-License-Identifier: Apache-2.0
#include "platform/EndRequestPipe.h"

#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {
const int kWatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's ends, shared with the signal handler, which can reach nothing else.
int readEnd = -1;
int writeEnd = -1;
struct sigaction previous[3];

void WriteSignalNumber(int number)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    // A full pipe already holds a request to end; nothing is lost when this write fails.
    [[maybe_unused]] const ssize_t written = write(writeEnd, &byte, 1);
    errno = savedErrno;
}
} // namespace

int StartEndRequestPipe()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    readEnd = ends[0];
    writeEnd = ends[1];
    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        sigaction(kWatchedSignals[i], &action, &previous[i]);
    return readEnd;
}

void EmptyEndRequestPipe()
{
    char bytes[16];
    while (read(readEnd, bytes, sizeof bytes) > 0) {
    }
}

void StopEndRequestPipe()
{
    for (int i = 0; i < 3; ++i)
        sigaction(kWatchedSignals[i], &previous[i], nullptr);
    close(readEnd);
    close(writeEnd);
    readEnd = -1;
    writeEnd = -1;
}
