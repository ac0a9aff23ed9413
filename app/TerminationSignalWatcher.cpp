// SPDX-License-Identifier: Apache-2.0
#include "app/TerminationSignalWatcher.h"

#include <QCoreApplication>
#include <QWidget>

void TerminationSignalWatcher::EndProgram()
{
    mainWindow->close();
    QCoreApplication::quit();
    // A quit that comes before the application's event loop runs (a run started at start-up turns
    // loops of its own) is forgotten when that loop starts. This call waits for it: once told to
    // quit, the other loops end without handling anything.
    QMetaObject::invokeMethod(this, &QCoreApplication::quit, Qt::QueuedConnection);
}
