// SPDX-License-Identifier: Apache-2.0
#include "platform/ConsoleEndRequests.h"

#include <windows.h>

#include <atomic>

namespace {
std::atomic<void (*)()> requestEnd(nullptr);

BOOL WINAPI RequestEnd(DWORD event)
{
    if (void (*request)() = requestEnd.load())
        request();
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE;
    Sleep(INFINITE);
    return TRUE;
}
} // namespace

bool StartConsoleEndRequests(void (*request)())
{
    requestEnd = request;
    if (SetConsoleCtrlHandler(RequestEnd, TRUE))
        return true;
    requestEnd = nullptr;
    return false;
}

void StopConsoleEndRequests()
{
    SetConsoleCtrlHandler(RequestEnd, FALSE);
    requestEnd = nullptr;
}
