// SPDX-License-Identifier: Apache-2.0
// Windows has no SIGTERM or SIGHUP for a console program: Ctrl+C, Ctrl+Break and the closing of its
// console (or the user's logoff, or shutdown) reach it as console control events instead, on a thread of
// their own. Each is noted like a signal, so the run stops on whole lines with the status a signal gives:
// 130 for Ctrl+C (SIGINT), 149 for Ctrl+Break (SIGBREAK), 143 for a closing console (as SIGTERM).
#include "platform/StopRequests.h"

#include <windows.h>

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace {

std::atomic<int> received(0);
std::atomic<bool> finished(false);

// The system ends the program when the handler of a closing console returns, or at the latest five
// seconds after the event: the handler waits for the run to end on a whole line within that time.
const int kCloseWaitSteps = 45;
const DWORD kCloseWaitStepMs = 100;

void NoteFinished()
{
    finished = true;
}

BOOL WINAPI Note(DWORD event)
{
    int signal = 0;
    switch (event) {
    case CTRL_C_EVENT:
        signal = SIGINT;
        break;
    case CTRL_BREAK_EVENT:
        signal = SIGBREAK;
        break;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        signal = SIGTERM;
        break;
    default:
        return FALSE;
    }
    int none = 0;
    received.compare_exchange_strong(none, signal);
    if (signal == SIGTERM) {
        for (int step = 0; step < kCloseWaitSteps && !finished; ++step)
            Sleep(kCloseWaitStepMs);
    }
    return TRUE;
}

} // namespace

void NoteStopRequests()
{
    std::atexit(NoteFinished);
    SetConsoleCtrlHandler(Note, TRUE);
}

int FirstStopRequest()
{
    return received.load();
}

const char* StopRequestName(int signal)
{
    switch (signal) {
    case SIGINT:
        return "Ctrl+C";
    case SIGBREAK:
        return "Ctrl+Break";
    case SIGTERM:
        return "the closing of the console";
    }
    return "a signal";
}
