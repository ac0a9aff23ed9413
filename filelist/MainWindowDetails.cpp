// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "filelist/ResultRole.h"
#include "filelist/SelectedShownRows.h"
#include "ui/DetailsWindow.h"

#include <QKeySequence>
#include <QPersistentModelIndex>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>

// The list takes no keyboard focus, so Enter reaches it through shortcuts of the window; the tool
// bar's commands stay without shortcuts.
void MainWindow::ConnectDetails()
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, &MainWindow::ShowDetailsOfSelection);
    }
    connect(listView, &QAbstractItemView::doubleClicked, this, &MainWindow::ShowDetails);
}

void MainWindow::ShowDetails(const QModelIndex& proxyIndex)
{
    const QModelIndex resultItem = sortProxy->mapToSource(proxyIndex.siblingAtColumn(0));
    if (!resultItem.isValid())
        return;
    auto* details = new DetailsWindow(resultItem.data(kResultRole).value<VerificationResult>(), this);
    // The row may have been removed while the file was read; its persistent index then no longer leads
    // anywhere, and the digest stays with the details window only.
    const QPersistentModelIndex row(resultItem);
    connect(details, &DetailsWindow::Sha256Computed, this, [this, row](const QString& hexDigest) {
        if (!row.isValid())
            return;
        VerificationResult stored = row.data(kResultRole).value<VerificationResult>();
        stored.sha256 = hexDigest.toStdString();
        listModel->setData(row, QVariant::fromValue(stored), kResultRole);
    });
    details->show();
}

void MainWindow::ShowDetailsOfSelection()
{
    const QModelIndexList rows = SelectedShownRows(listView);
    if (!rows.isEmpty())
        ShowDetails(rows.first());
}
