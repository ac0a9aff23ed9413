// SPDX-License-Identifier: Apache-2.0
#include "ExportHold.h"

#include "app/MainWindow.h"
#include "filelist/ReportExport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <utility>

namespace {

constexpr int kPatienceMs = 60000;

// Set in the window's thread before the work starts, which hands them over to it.
std::atomic<const ReportExport*> heldExport{nullptr};
// The report of the work held: its Nth Progress or Writing signal. A slot connected before the dialog's
// runs first, so the dialog hears of a report only once this slot has returned.
std::atomic<int> holdAt{1};
std::atomic<int> reports{0};
// The same reports, counted in the window's thread as they arrive there.
int reportsArrived = 0;
std::atomic<bool> held{false};
std::atomic<bool> stopSeen{false};
// Read in the window's thread only.
std::function<void()> stopWhileHeld;

// Runs in the window's thread for each report, queued by the signal before Hold runs in the worker for
// the same report. Its slot object is made and freed in the window's thread: a functor posted from the
// worker would be made there and freed here, handed over by Qt's uninstrumented event queue, which
// ThreadSanitizer takes for a race.
void StopAtHeldReport()
{
    if (++reportsArrived == holdAt)
        stopWhileHeld();
}

// Runs in the export's worker thread, directly from its signal, and waits there until the export is
// asked to stop. Captures nothing, so that the thread reads nothing that only Qt's uninstrumented
// connection list hands over.
void Hold()
{
    if (++reports != holdAt)
        return;
    held = true;
    const ReportExport* exporter = heldExport.load();
    const QDeadlineTimer deadline(kPatienceMs);
    while (!exporter->StopRequested()) {
        if (deadline.hasExpired())
            return;
        QThread::yieldCurrentThread();
    }
    stopSeen = true;
}

// The export exists from before its save dialog runs until its work has ended; looking for it in the
// event loop finds it while the dialog is answered, before its work starts.
void ConnectToNextExport(const QPointer<MainWindow>& window, HoldPoint point, const QDeadlineTimer& deadline)
{
    QMetaObject::invokeMethod(
        qApp,
        [window, point, deadline] {
            ReportExport* exporter =
                window ? window->findChild<ReportExport*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
            if (!exporter) {
                if (window && !deadline.hasExpired())
                    ConnectToNextExport(window, point, deadline);
                return;
            }
            heldExport = exporter;
            // The queued stop first: a signal posts its queued calls and runs its direct ones in the order
            // they were connected, so the stop is on its way before the work holds.
            if (point == HoldPoint::Reading) {
                QObject::connect(
                    exporter, &ReportExport::Progress, qApp, [](int) { StopAtHeldReport(); },
                    Qt::QueuedConnection);
                QObject::connect(
                    exporter, &ReportExport::Progress, exporter, [](int) { Hold(); }, Qt::DirectConnection);
            } else {
                QObject::connect(exporter, &ReportExport::Writing, qApp, [] { StopAtHeldReport(); },
                                 Qt::QueuedConnection);
                QObject::connect(
                    exporter, &ReportExport::Writing, exporter, [] { Hold(); }, Qt::DirectConnection);
            }
        },
        Qt::QueuedConnection);
}

} // namespace

void HoldNextExport(MainWindow* window, HoldPoint point, std::function<void()> stop)
{
    heldExport = nullptr;
    holdAt = point == HoldPoint::Reading ? 2 : 1;
    reports = 0;
    reportsArrived = 0;
    held = false;
    stopSeen = false;
    stopWhileHeld = std::move(stop);
    ConnectToNextExport(window, point, QDeadlineTimer(kPatienceMs));
}

bool ExportWasHeldUntilStopped()
{
    return held && stopSeen;
}

int ExportReportsGiven()
{
    return reports;
}
