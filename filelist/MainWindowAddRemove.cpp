#include "app/MainWindow.h"

#include "filelist/EvidenceFolderScan.h"
#include "filelist/PendingEvents.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>

void MainWindow::OpenFiles()
{
    const QString filter = QCoreApplication::translate("QObject", "Images and Videos") +
                           QStringLiteral(" (*.jpg *.avi *.mp4 *.mxg)");
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, QCoreApplication::translate("QObject", "Open File(s)"), QString(), filter);
    VerifyFiles(paths);
}

// A cancelled folder dialog ends the command at once: no scan, no run, no change to the status line.
void MainWindow::OpenFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QCoreApplication::translate("QObject", "Open Folder"), QString(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    VerifyFiles(ScanFolder(folder));
}

// The window stays usable during a long scan; closing it or quitting stops the scan, and
// VerifyFiles then starts no run.
QStringList MainWindow::ScanFolder(const QString& folder)
{
    return ScanEvidenceFolder(folder, [this] {
        if (!ProcessPendingEvents())
            EndWork();
        return !workEnded;
    });
}

// Rows go one per pass, each time the top row of what is still selected, so the list and the
// status line show every removal. The selection is asked afresh after the events were processed,
// since anything the user did meanwhile may have moved the rows.
void MainWindow::RemoveFiles()
{
    QItemSelectionModel* selection = listView->selectionModel();
    QModelIndexList selected = selection->selectedRows(0);
    while (!selected.isEmpty()) {
        const int row = sortProxy->mapToSource(selected.first()).row();
        if (row < 0)
            break;
        const QString verdict = listModel->index(row, 1).data(Qt::DisplayRole).toString();
        if (verdict == QCoreApplication::translate("QObject", "Authentication failed"))
            --failedCount;
        else
            --succeededCount;
        --totalCount;
        listModel->removeRow(row);

        QCoreApplication::processEvents();
        UpdateStatusBar();
        listView->scrollToTop();
        selected = selection->selectedIndexes();
    }
    selection->clearSelection();
}
