// SPDX-License-Identifier: Apache-2.0
#include "filelist/VerifyThread.h"

#include "filelist/ResultRow.h"
#include "verdict/FileVerifier.h"

#include <QStandardItemModel>

VerifyThread::VerifyThread(const VerificationTarget& target, QStandardItemModel* model, int* total,
                           int* succeeded, int* failed, bool* canceled)
    : target(target), model(model), total(total), succeeded(succeeded), failed(failed), canceled(canceled)
{
}

void VerifyThread::run()
{
    result = FileVerifier(false).Verify(target);
    resultReady.store(true, std::memory_order_release);
}

// The row is filled before it joins the model, so the list and its sort proxy hear of it once
// instead of once per cell.
void VerifyThread::WriteResult()
{
    if (!resultReady.load(std::memory_order_acquire) || *canceled)
        return;
    QList<QStandardItem*> row;
    for (int column = 0; column < model->columnCount(); ++column)
        row << new QStandardItem;
    ResultRow::Fill(row, result);

    ++*total;
    ++*(result.authentic ? succeeded : failed);
    model->insertRow(0, row);
}
