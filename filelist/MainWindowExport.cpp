// SPDX-License-Identifier: Apache-2.0
#include "app/MainWindow.h"

#include "QuorlithVersion.h"
#include "filelist/ReportExport.h"
#include "filelist/ResultRole.h"
#include "filelist/ResultRow.h"
#include "filelist/SelectedShownRows.h"
#include "ui/CaseDetailsDialog.h"
#include "verdict/KeySetLoading.h"

#include <QKeySequence>
#include <QMessageBox>
#include <QPersistentModelIndex>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <utility>
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
    QModelIndexList shown = SelectedShownRows(listView);
    if (shown.size() < 2) {
        shown.clear();
        for (int row = 0; row < sortProxy->rowCount(); ++row)
            shown << sortProxy->index(row, 0);
    }
    std::vector<QPersistentModelIndex> rows;
    for (const QModelIndex& index : shown)
        rows.emplace_back(sortProxy->mapToSource(index));
    if (rows.empty()) {
        QMessageBox::information(this, ReportExport::tr("Export Report"),
                                 ReportExport::tr("The list holds no files to export."));
        return;
    }
    // A file in the list more than once, from a folder opened twice or a folder and one below it, is
    // verified and reported once, with a note among what the report leaves out.
    std::vector<VerificationResult> results;
    std::vector<QPersistentModelIndex> reportedRows;
    std::set<std::string> taken;
    std::vector<SkippedEntry> repeated;
    for (const QPersistentModelIndex& row : rows) {
        VerificationResult result = row.data(kResultRole).value<VerificationResult>();
        if (!taken.insert(result.path).second) {
            if (std::none_of(repeated.begin(), repeated.end(),
                             [&](const SkippedEntry& entry) { return entry.path == result.path; }))
                repeated.push_back({result.path, SkippedEntry::Why::GivenAgain});
            continue;
        }
        reportedRows.push_back(row);
        results.push_back(std::move(result));
    }
    rows = std::move(reportedRows);

    // The case details come first, for every format: which one is written is chosen in the save dialog.
    ReportFacts facts = ReportFactsNow(QStringLiteral("quorlith"), QStringLiteral(QUORLITH_VERSION),
                                       ReportKeySetsOf(ProgramKeySets()));
    if (!facts.selfTestPassed) {
        QMessageBox::critical(
            this, ReportExport::tr("Export Report"),
            ReportExport::tr("The self-test of the computations a verdict rests on failed (%1): "
                             "nothing is exported.")
                .arg(QString::fromStdString(facts.selfTestFailed)));
        return;
    }
    if (!CaseDetailsDialog::Ask(this, &facts.caseDetails))
        return;
    ReportExport exporter(this, facts);
    std::optional<std::vector<SkippedEntry>> leftOut = account.LeftOut();
    if (!repeated.empty()) {
        if (!leftOut)
            leftOut.emplace();
        leftOut->insert(leftOut->end(), repeated.begin(), repeated.end());
    }
    if (leftOut)
        exporter.LeftOut(*leftOut);
    std::vector<std::string> reported;
    for (const VerificationResult& result : results)
        reported.push_back(result.path);
    exporter.Account(account.For(reported));
    if (!exporter.AskForFile())
        return;
    connect(&exporter, &ReportExport::VerdictsChanged, this,
            [this, &rows, &results](const std::vector<size_t>& indices) {
                for (const size_t i : indices)
                    ShowNewVerdict(rows[i], results[i]);
                UpdateStatusBar();
            });
    exporter.Export(&results);

    // The digests of files read again unchanged go back into rows that had none, so that the details
    // need not read them once more; also after a cancelled or failed export, for what was computed.
    for (size_t i = 0; i < rows.size(); ++i) {
        if (results[i].sha256.empty() || !rows[i].isValid())
            continue;
        QStandardItem* item = listModel->itemFromIndex(rows[i]);
        VerificationResult stored = item->data(kResultRole).value<VerificationResult>();
        if (stored.path != results[i].path || !stored.sha256.empty())
            continue;
        stored.sha256 = results[i].sha256;
        item->setData(QVariant::fromValue(stored), kResultRole);
    }
}

// The row is written over in place, so it keeps its place in the list and its selection; the counters
// move with its verdict.
void MainWindow::ShowNewVerdict(const QPersistentModelIndex& row, const VerificationResult& result)
{
    if (!row.isValid())
        return;
    QList<QStandardItem*> items;
    for (int column = 0; column < listModel->columnCount(); ++column)
        items << listModel->item(row.row(), column);
    const bool wasAuthentic = items[0]->data(kResultRole).value<VerificationResult>().authentic;
    ResultRow::Fill(items, result);
    if (wasAuthentic == result.authentic)
        return;
    succeededCount += result.authentic ? 1 : -1;
    failedCount += result.authentic ? -1 : 1;
}
