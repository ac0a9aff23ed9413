// SPDX-License-Identifier: Apache-2.0
// The console's Ctrl+C, Ctrl+Break and close, when the window program was started with a console. The
// platform calls the request on a thread of its own, so it only posts the request to the GUI thread.
// A window program built without a console is never sent these; logoff and shutdown reach it as
// window messages, which Qt answers by closing its windows.
#include "app/TerminationSignalWatcher.h"

#include "platform/ConsoleEndRequests.h"

#include <QCoreApplication>

#include <functional>

namespace {
// Read and changed on the GUI thread only: the posted request finds no watcher once it has gone.
std::function<void()> endProgram;

void PostEndRequest()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            if (endProgram)
                endProgram();
        },
        Qt::QueuedConnection);
}
} // namespace

struct TerminationSignalWatcher::SystemHandlers
{
};

TerminationSignalWatcher::TerminationSignalWatcher(QWidget* mainWindow) : mainWindow(mainWindow)
{
    endProgram = [this] { EndProgram(); };
    if (!StartConsoleEndRequests(PostEndRequest)) {
        endProgram = nullptr;
        return;
    }
    handlers = std::make_unique<SystemHandlers>();
}

TerminationSignalWatcher::~TerminationSignalWatcher()
{
    if (!handlers)
        return;
    StopConsoleEndRequests();
    endProgram = nullptr;
}
