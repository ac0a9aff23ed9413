// SPDX-License-Identifier: Apache-2.0
#include "filelist/PendingEvents.h"

#include <QEventLoop>
#include <QMetaObject>

namespace {
// The loop's own end; a quit of the application ends it with another code (0 or the exit code),
// or at once with -1 when it was told to quit before.
const int kEventsProcessed = 0x5157;
} // namespace

bool ProcessPendingEvents()
{
    QEventLoop loop;
    QMetaObject::invokeMethod(
        &loop, [&loop] { loop.exit(kEventsProcessed); }, Qt::QueuedConnection);
    return loop.exec() == kEventsProcessed;
}
