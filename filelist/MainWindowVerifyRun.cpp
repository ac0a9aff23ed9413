// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "filelist/LocalPathBytes.h"
#include "filelist/PendingEvents.h"
#include "filelist/VerifyThread.h"
#include "platform/ReadOnlyFile.h"
#include "ui/ProgressWidget.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTreeView>

#include <cerrno>
#include <utility>

void MainWindow::VerifyFiles(const QStringList& paths)
{
    QList<QByteArray> bytes;
    for (const QString& path : paths)
        bytes += LocalPathBytes(path);
    VerifyPaths(bytes);
}

// Whoever calls this while a run is in progress is inside that run's event loop, so the paths
// are only queued here; the outermost call verifies them.
void MainWindow::VerifyPaths(const QList<QByteArray>& paths)
{
    if (workEnded)
        return;
    totalCount += paths.size();
    if (runProgress) {
        if (runProgress->IsCanceled()) {
            nextRunPaths += paths;
        } else {
            runPaths += paths;
            runProgress->SetMaximum(runPaths.size());
        }
        UpdateStatusBar();
        return;
    }
    QList<QByteArray> queued = paths;
    do {
        RunVerification(queued);
        queued = std::exchange(nextRunPaths, QList<QByteArray>());
    } while (!queued.isEmpty() && !workEnded);
    if (!queued.isEmpty()) {
        totalCount -= queued.size();
        UpdateStatusBar();
    }
}

void MainWindow::EndWork()
{
    workEnded = true;
    if (runProgress)
        runProgress->SlotCancel();
}

// The paths are already counted in totalCount.
void MainWindow::RunVerification(const QList<QByteArray>& paths)
{
    runPaths = paths;
    runCanceled = false;
    UpdateStatusBar();

    ProgressWidget* progress = new ProgressWidget(this);
    runProgress = progress;
    progress->setWindowTitle(QCoreApplication::translate("QObject", "Trevalon Quorlith"));
    progress->SetMaximum(runPaths.size());
    progress->show();

    for (int index = 0; index < runPaths.size(); ++index) {
        if (progress->IsCanceled()) {
            totalCount -= runPaths.size() - index;
            runCanceled = true;
            UpdateStatusBar();
            break;
        }
        progress->SetValue(index);
        // A copy: files joining the run may grow runPaths while this one is verified.
        const QByteArray path = runPaths.at(index);
        VerifyOneFile(path, index);
        UpdateStatusBar();
        // An application told to quit while the file was in work ends the run as closing does.
        if (!ProcessPendingEvents())
            EndWork();
    }

    if (!progress->IsCanceled())
        progress->SetValue(runPaths.size());
    runProgress = nullptr;
    runPaths.clear();
    progress->CloseAtRunEnd();
    listView->scrollToTop();
    progress->deleteLater();
}

// A path that names nothing when its turn comes (it vanished), or names a folder, gets no row. Anything
// else does, with the verdict library's reason when it is no evidence file or cannot be read.
bool MainWindow::IsSkippedAtItsTurn(const QByteArray& path)
{
    FileStatus status;
    if (path.isEmpty())
        return true;
    if (StatusOfPath(path.constData(), true, &status) == 0)
        return status.kind == FileKind::Folder;
    return errno == ENOENT || errno == ENOTDIR;
}

void MainWindow::VerifyOneFile(const QByteArray& path, int index)
{
    if (IsSkippedAtItsTurn(path)) {
        --totalCount;
        return;
    }
    // The name is joined as it is: an arg() over text holding it would read a "%1" in the name.
    runProgress->SetText(QCoreApplication::translate("QObject", "Processing") + QLatin1Char(' ') +
                         ShownFileName(path) + QStringLiteral("...(%1/%2)").arg(index).arg(runPaths.size()));

    currentWorker =
        new VerifyThread(path, listModel, &totalCount, &succeededCount, &failedCount, &runCanceled);
    currentWorker->start(QThread::InheritPriority);
    WaitForCurrentWorker();
    // The file leaves the queued part of the total; its row, if written, counts it again.
    --totalCount;
    currentWorker->WriteResult();
    delete currentWorker;
    currentWorker = nullptr;
}

// The GUI thread sleeps in its own event loop until the worker ends, so the window keeps
// answering without keeping a processor busy. An application that is quitting ends every event
// loop at once; the worker is then waited for, so the file in work still finishes.
void MainWindow::WaitForCurrentWorker()
{
    QEventLoop loop;
    connect(currentWorker, &QThread::finished, &loop, &QEventLoop::quit);
    if (!currentWorker->isFinished())
        loop.exec();
    currentWorker->wait();
}
