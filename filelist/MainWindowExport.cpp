// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "engine/KeyFingerprint.h"
#include "filelist/ReportExport.h"
#include "filelist/ResultRole.h"

#include <QItemSelectionModel>
#include <QKeySequence>
#include <QMessageBox>
#include <QPersistentModelIndex>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QSysInfo>
#include <QTreeView>

#include <vector>

// Ctrl+S belongs to the window, not to the tool bar, which keeps its five commands.
void MainWindow::CreateExportShortcut()
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(shortcut, &QShortcut::activated, this, &MainWindow::ExportReport);
}

void MainWindow::ExportReport()
{
    // The rows in the order the list shows them: the selected ones when there are several, else all.
    const QItemSelectionModel* selection = listView->selectionModel();
    const bool onlySelected = selection->selectedRows(0).size() > 1;
    std::vector<QPersistentModelIndex> rows;
    for (int row = 0; row < sortProxy->rowCount(); ++row) {
        const QModelIndex shown = sortProxy->index(row, 0);
        if (!onlySelected || selection->isRowSelected(row, QModelIndex()))
            rows.emplace_back(sortProxy->mapToSource(shown));
    }
    if (rows.empty()) {
        QMessageBox::information(this, ReportExport::tr("Export Report"),
                                 ReportExport::tr("The list holds no files to export."));
        return;
    }
    std::vector<VerificationResult> results;
    results.reserve(rows.size());
    for (const QPersistentModelIndex& row : rows)
        results.push_back(row.data(kResultRole).value<VerificationResult>());

    ReportFacts facts;
    facts.programName = QStringLiteral("quorlith");
    facts.programVersion = QStringLiteral(QUORLITH_VERSION);
    facts.computerName = QSysInfo::machineHostName();
    facts.keyFingerprint = QString::fromStdString(RecorderKeyFingerprint());
    ReportExport exporter(this, facts);
    if (!exporter.AskForFile())
        return;
    exporter.Export(&results);

    // The digests go back into their rows, so that no file is read twice; also after a cancelled or
    // failed export, for what was computed.
    const std::vector<bool>& computed = exporter.ComputedDigests();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!computed[i] || !rows[i].isValid())
            continue;
        QStandardItem* item = listModel->itemFromIndex(rows[i]);
        VerificationResult stored = item->data(kResultRole).value<VerificationResult>();
        if (stored.path != results[i].path || !stored.sha256.empty())
            continue;
        stored.sha256 = results[i].sha256;
        item->setData(QVariant::fromValue(stored), kResultRole);
    }
}
