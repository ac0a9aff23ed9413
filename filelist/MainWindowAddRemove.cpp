// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "filelist/EvidenceFolderScan.h"
#include "filelist/FileDialogHistory.h"
#include "filelist/LocalPathBytes.h"
#include "filelist/PacedEventPump.h"
#include "filelist/PendingEvents.h"
#include "filelist/ResultRole.h"
#include "filelist/SelectedSourceRows.h"
#include "filelist/UnshownNames.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>

void MainWindow::OpenFiles()
{
    const QString filter = QCoreApplication::translate("QObject", "Images and Videos") +
                           QStringLiteral(" (*.jpg *.avi *.mp4 *.mxg)");
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, QCoreApplication::translate("QObject", "Open File(s)"), QString(), filter);
    // The folder the dialog ended in may hold files it could not offer: the user may have looked for
    // one of them in vain, chosen or not.
    const QByteArray folder = UnshownNames::LastDialogFolder();
    ForgetFileDialogFolders();
    const std::vector<std::string> unshown =
        folder.isEmpty() ? std::vector<std::string>() : UnshownNames::In(folder);
    if (!unshown.empty()) {
        QMessageBox::information(this, QCoreApplication::translate("QObject", "Open File(s)"),
                                 UnshownNames::Notice(folder, unshown));
    }
    VerifyFiles(paths);
}

// A cancelled folder dialog ends the command at once: no scan, no run, no change to the status line.
void MainWindow::OpenFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QCoreApplication::translate("QObject", "Open Folder"), QString(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    ForgetFileDialogFolders();
    if (folder.isEmpty())
        return;
    QList<VerificationTarget> targets;
    for (const QByteArray& bytes : LocalPathBytes(folder))
        targets += ScanFolder(bytes);
    VerifyTargets(targets);
}

// The window stays usable during a long scan; closing it or quitting stops the scan, and
// VerifyFiles then starts no run.
QList<VerificationTarget> MainWindow::ScanFolder(const QByteArray& folder)
{
    account.FolderGiven(folder.toStdString());
    const std::vector<VerificationTarget> found = ScanEvidenceFolder(
        folder,
        [this] {
            if (!ProcessPendingEvents())
                EndWork();
            return !workEnded;
        },
        account.Skipped());
    return QList<VerificationTarget>(found.begin(), found.end());
}

// Rows go one per pass, so the status line counts every removal. They go in the model's order,
// which the model does cheaply, not the view's: rows the user sees go away in batches anyway,
// since events, and with them the painting of the list and the status line, come at a bounded
// rate (after every row they would cost a layout of the whole list each time). What is selected
// is read afresh after the events were processed, since anything the user did meanwhile may have
// moved the rows.
void MainWindow::RemoveFiles()
{
    SelectedSourceRows selected(*listView->selectionModel(), *sortProxy);
    if (selected.Next() < 0)
        return;
    PacedEventPump pump({listView, statusBar()});
    for (int row = selected.Next(); row >= 0; row = selected.Next()) {
        const QString verdict = listModel->index(row, 1).data(Qt::DisplayRole).toString();
        if (verdict == QCoreApplication::translate("QObject", "Authentication failed"))
            --failedCount;
        else
            --succeededCount;
        --totalCount;
        account.Removed(listModel->index(row, 0).data(kResultRole).value<VerificationResult>().path);
        listModel->removeRow(row);
        selected.Removed();

        if (pump.Pump())
            selected.Reread();
        UpdateStatusBar();
        listView->scrollToTop();
    }
    listView->selectionModel()->clearSelection();
    // A list emptied forgets the folders its files came from: a report of files added afterwards
    // names none of their neighbours.
    if (totalCount == 0)
        account.Forget();
}
