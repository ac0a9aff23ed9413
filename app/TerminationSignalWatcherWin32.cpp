// SPDX-License-Identifier: Apache-2.0
// The console's Ctrl+C, Ctrl+Break and close, when the window program was started with a console.
// Windows calls the handler on a thread of its own, so it only posts the request to the GUI thread.
// A window program built without a console is never sent these; logoff and shutdown reach it as
// window messages, which Qt answers by closing its windows.
#include "app/TerminationSignalWatcher.h"

#include <QCoreApplication>

#include <functional>

#include <windows.h>

namespace {
// Read and changed on the GUI thread only: the posted request finds no watcher once it has gone.
std::function<void()> endProgram;

BOOL WINAPI RequestEnd(DWORD event)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            if (endProgram)
                endProgram();
        },
        Qt::QueuedConnection);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE;
    // Windows ends the process as soon as this handler returns from a close, logoff or shutdown: it
    // waits here while the window finishes the file in work and saves the settings, until the
    // program ends or the system's grace period is over.
    Sleep(INFINITE);
    return TRUE;
}
} // namespace

struct TerminationSignalWatcher::SystemHandlers
{
};

TerminationSignalWatcher::TerminationSignalWatcher(QWidget* mainWindow) : mainWindow(mainWindow)
{
    endProgram = [this] { EndProgram(); };
    if (!SetConsoleCtrlHandler(RequestEnd, TRUE)) {
        endProgram = nullptr;
        return;
    }
    handlers = std::make_unique<SystemHandlers>();
}

TerminationSignalWatcher::~TerminationSignalWatcher()
{
    if (!handlers)
        return;
    SetConsoleCtrlHandler(RequestEnd, FALSE);
    endProgram = nullptr;
}
