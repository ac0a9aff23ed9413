// SPDX-License-Identifier: Apache-2.0
#include "filelist/VerifyThread.h"

#include "filelist/CoverageMark.h"
#include "filelist/LocalPathBytes.h"
#include "filelist/ResultRole.h"
#include "verdict/FileVerifier.h"
#include "verdict/VerdictText.h"
#include "verdict/VerificationTarget.h"

#include <QColor>
#include <QStandardItemModel>

VerifyThread::VerifyThread(const QByteArray& path, QStandardItemModel* model, int* total, int* succeeded,
                           int* failed, bool* canceled)
    : path(path), model(model), total(total), succeeded(succeeded), failed(failed), canceled(canceled)
{
}

void VerifyThread::run()
{
    VerificationTarget target;
    target.path = path.toStdString();
    result = FileVerifier(false).Verify(target);
    resultReady.store(true, std::memory_order_release);
}

void VerifyThread::WriteResult()
{
    if (!resultReady.load(std::memory_order_acquire) || *canceled)
        return;
    ++*total;
    model->insertRow(0);
    model->setData(model->index(0, 0), ShownFileName(path), Qt::EditRole);
    model->setData(model->index(0, 1), VerdictText::Verdict(result.authentic), Qt::EditRole);
    model->setData(model->index(0, 1), QColor(result.authentic ? Qt::darkGreen : Qt::red),
                   Qt::ForegroundRole);
    ++*(result.authentic ? succeeded : failed);
    // Escaped as the details window shows them, so bytes that are not text read the same in both.
    model->setData(model->index(0, 2), VerdictText::Display(result.startTime), Qt::EditRole);
    model->setData(model->index(0, 3), VerdictText::Display(result.endTime), Qt::EditRole);
    model->setData(model->index(0, 4), VerdictText::Display(result.rcSerial), Qt::EditRole);
    const CoverageMark::Kind mark = CoverageMark::Of(result);
    if (mark != CoverageMark::Kind::None)
        model->setData(model->index(0, 0), CoverageMark::Icon(mark), Qt::DecorationRole);

    model->setData(model->index(0, 0), QVariant::fromValue(result), kResultRole);
    const QString toolTip = VerdictText::ToolTip(result);
    if (!toolTip.isEmpty()) {
        for (int column = 0; column < model->columnCount(); ++column)
            model->setData(model->index(0, column), toolTip, Qt::ToolTipRole);
    }
}
