// SPDX-License-Identifier: Apache-2.0
#include "filelist/VerifyThread.h"

#include "filelist/CoverageMark.h"
#include "filelist/LocalPathBytes.h"
#include "filelist/ResultRole.h"
#include "verdict/FileVerifier.h"
#include "verdict/VerdictText.h"

#include <QColor>
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
    row[0]->setData(ShownFileName(QByteArray::fromStdString(target.path)), Qt::EditRole);
    row[1]->setData(VerdictText::Verdict(result.authentic), Qt::EditRole);
    row[1]->setData(QColor(result.authentic ? Qt::darkGreen : Qt::red), Qt::ForegroundRole);
    // Escaped as the details window shows them, so bytes that are not text read the same in both.
    row[2]->setData(VerdictText::Display(result.startTime), Qt::EditRole);
    row[3]->setData(VerdictText::Display(result.endTime), Qt::EditRole);
    row[4]->setData(VerdictText::Display(result.rcSerial), Qt::EditRole);
    const CoverageMark::Kind mark = CoverageMark::Of(result);
    if (mark != CoverageMark::Kind::None)
        row[0]->setData(CoverageMark::Icon(mark), Qt::DecorationRole);
    row[0]->setData(QVariant::fromValue(result), kResultRole);
    const QString toolTip = VerdictText::ToolTip(result);
    if (!toolTip.isEmpty()) {
        for (QStandardItem* item : row)
            item->setData(toolTip, Qt::ToolTipRole);
    }

    ++*total;
    ++*(result.authentic ? succeeded : failed);
    model->insertRow(0, row);
}
