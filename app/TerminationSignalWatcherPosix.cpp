// SPDX-License-Identifier: Apache-2.0
// SIGTERM, SIGINT and SIGHUP arrive through the platform's pipe; a socket notifier reads it on the GUI
// thread.
#include "app/TerminationSignalWatcher.h"

#include "platform/EndRequestPipe.h"

#include <QSocketNotifier>

struct TerminationSignalWatcher::SystemHandlers
{
    QSocketNotifier* notifier = nullptr;
};

TerminationSignalWatcher::TerminationSignalWatcher(QWidget* mainWindow) : mainWindow(mainWindow)
{
    const int readEnd = StartEndRequestPipe();
    if (readEnd < 0)
        return;
    handlers = std::make_unique<SystemHandlers>();
    handlers->notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(handlers->notifier, &QSocketNotifier::activated, this, [this] {
        EmptyEndRequestPipe();
        EndProgram();
    });
}

TerminationSignalWatcher::~TerminationSignalWatcher()
{
    if (!handlers)
        return;
    StopEndRequestPipe();
    delete handlers->notifier;
}
