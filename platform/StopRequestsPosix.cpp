// SPDX-License-Identifier: Apache-2.0
#include "platform/StopRequests.h"

#include <atomic>
#include <csignal>

namespace {

// A handler may only touch lock-free atomics.
std::atomic<int> received(0);
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free atomic");

const int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The first signal is the one that stopped the run; a second one while it winds down changes nothing.
void Note(int signal)
{
    int none = 0;
    received.compare_exchange_strong(none, signal);
}

} // namespace

void NoteStopRequests()
{
    struct sigaction action = {};
    action.sa_handler = Note;
    sigemptyset(&action.sa_mask);
    // Reads and writes under way go on: the output is written whole and the run asks for the signal itself.
    action.sa_flags = SA_RESTART;
    for (const int signal : kStopSignals) {
        struct sigaction previous = {};
        if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &action, nullptr);
    }
}

int FirstStopRequest()
{
    return received.load();
}

const char* StopRequestName(int signal)
{
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    case SIGHUP:
        return "SIGHUP";
    }
    return "a signal";
}
