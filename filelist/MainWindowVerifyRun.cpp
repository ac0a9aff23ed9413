// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "filelist/LocalPathBytes.h"
#include "filelist/PendingEvents.h"
#include "filelist/VerifyThread.h"
#include "platform/ReadOnlyFile.h"
#include "ui/DrawableText.h"
#include "ui/ProgressWidget.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QStandardItemModel>
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

void MainWindow::VerifyPaths(const QList<QByteArray>& paths)
{
    QList<VerificationTarget> targets;
    for (const QByteArray& path : paths) {
        VerificationTarget target;
        target.path = path.toStdString();
        targets.append(target);
    }
    VerifyTargets(targets);
}

// Whoever calls this while a run is in progress is inside that run's event loop, so the targets
// are only queued here; the outermost call verifies them.
void MainWindow::VerifyTargets(const QList<VerificationTarget>& targets)
{
    if (workEnded)
        return;
    for (const VerificationTarget& target : targets)
        account.Handed(target.path);
    totalCount += targets.size();
    if (runProgress) {
        if (runProgress->IsCanceled()) {
            nextRunTargets += targets;
        } else {
            runTargets += targets;
            runProgress->SetMaximum(runTargets.size());
        }
        UpdateStatusBar();
        return;
    }
    QList<VerificationTarget> queued = targets;
    do {
        RunVerification(queued);
        queued = std::exchange(nextRunTargets, QList<VerificationTarget>());
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

// The targets are already counted in totalCount.
void MainWindow::RunVerification(const QList<VerificationTarget>& targets)
{
    runTargets = targets;
    runCanceled = false;
    UpdateStatusBar();

    ProgressWidget* progress = new ProgressWidget(this);
    runProgress = progress;
    progress->setWindowTitle(QCoreApplication::translate("QObject", "Trevalon Quorlith"));
    progress->SetMaximum(runTargets.size());
    progress->show();

    for (int index = 0; index < runTargets.size(); ++index) {
        if (progress->IsCanceled()) {
            for (int left = index; left < runTargets.size(); ++left)
                account.NotVerified(runTargets.at(left).path);
            totalCount -= runTargets.size() - index;
            runCanceled = true;
            UpdateStatusBar();
            break;
        }
        progress->SetValue(index);
        // A copy: files joining the run may grow runTargets while this one is verified.
        const VerificationTarget target = runTargets.at(index);
        VerifyOneFile(target, index);
        UpdateStatusBar();
        // An application told to quit while the file was in work ends the run as closing does.
        if (!ProcessPendingEvents())
            EndWork();
    }

    if (!progress->IsCanceled())
        progress->SetValue(runTargets.size());
    runProgress = nullptr;
    runTargets.clear();
    progress->CloseAtRunEnd();
    listView->scrollToTop();
    progress->deleteLater();
}

// A path that names nothing when its turn comes (it vanished), or names a folder, gets no row. Anything
// else does, with the verdict library's reason when it is no evidence file or cannot be read; so does
// whatever the folder search could not search, which is named by the folder or entry it concerns.
bool MainWindow::IsSkippedAtItsTurn(const VerificationTarget& target)
{
    if (target.problem != VerdictReason::None)
        return false;
    FileStatus status;
    const std::string& path = target.path;
    if (path.empty())
        return true;
    if (StatusOfPath(path.c_str(), true, &status) == 0)
        return status.kind == FileKind::Folder;
    return errno == ENOENT || errno == ENOTDIR;
}

void MainWindow::VerifyOneFile(const VerificationTarget& target, int index)
{
    if (IsSkippedAtItsTurn(target)) {
        account.GoneAtItsTurn(target.path);
        --totalCount;
        return;
    }
    // The name is joined as it is: an arg() over text holding it would read a "%1" in the name.
    runProgress->SetText(QCoreApplication::translate("QObject", "Processing") + QLatin1Char(' ') +
                         DrawableText::Of(ShownFileName(QByteArray::fromStdString(target.path))) +
                         QStringLiteral("...(%1/%2)").arg(index).arg(runTargets.size()));

    currentWorker =
        new VerifyThread(target, listModel, &totalCount, &succeededCount, &failedCount, &runCanceled);
    currentWorker->start(QThread::InheritPriority);
    WaitForCurrentWorker();
    // The file leaves the queued part of the total; its row, if written, counts it again.
    --totalCount;
    const int rowsBefore = listModel->rowCount();
    currentWorker->WriteResult();
    if (listModel->rowCount() > rowsBefore)
        account.Listed(target.path);
    else
        account.NotVerified(target.path);
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
