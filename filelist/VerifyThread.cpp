// SPDX-License-Identifier: Apache-2.0
#include "filelist/VerifyThread.h"

#include "engine/WatermarkVerifier.h"
#include "filelist/ResultRole.h"
#include "filelist/TemporaryCopy.h"
#include "verdict/ChangedWhileRead.h"
#include "verdict/EngineResult.h"
#include "verdict/FileSnapshot.h"
#include "verdict/FileStateCheck.h"
#include "verdict/VerdictText.h"

#include <QColor>
#include <QFile>
#include <QStandardItemModel>

namespace {
// A record field ends at its first zero byte.
QString RecordText(const std::string& field)
{
    return QString::fromUtf8(field.c_str());
}
} // namespace

VerifyThread::VerifyThread(const QFileInfo& fileInfo, QStandardItemModel* model, int* total, int* succeeded,
                           int* failed, bool* canceled)
    : fileInfo(fileInfo), model(model), total(total), succeeded(succeeded), failed(failed), canceled(canceled)
{
}

void VerifyThread::run()
{
    // The state of the user's file as it was when verified, for later comparisons. The copy holds
    // the same bytes only if the original stayed that file in that state until the copy was
    // complete; verified in place, until the engine was done with it.
    result.path = QFile::encodeName(fileInfo.filePath()).toStdString();
    const char* path = result.path.c_str();
    FileSnapshot before;
    const bool tookBefore = before.TakeOfPath(path);
    if (tookBefore)
        RecordVerifiedState(before, &result);
    WatermarkVerifier verifier;
    const TemporaryCopy copy(fileInfo);
    bool oneVersion = copy.IsCopy() && ReadSawOneVersion(before, path);
    const int answer = verifier.Verify(QFile::encodeName(copy.PathToVerify()).constData());
    if (!copy.IsCopy())
        oneVersion = ReadSawOneVersion(before, path);
    TakeEngineResult(verifier, answer, &result);
    if (tookBefore && !oneVersion)
        FailAsChangedWhileRead(&result);
    resultReady.store(true, std::memory_order_release);
}

void VerifyThread::WriteResult()
{
    if (!resultReady.load(std::memory_order_acquire) || *canceled)
        return;
    ++*total;
    model->insertRow(0);
    model->setData(model->index(0, 0), fileInfo.fileName(), Qt::EditRole);
    model->setData(model->index(0, 1), VerdictText::Verdict(result.authentic), Qt::EditRole);
    model->setData(model->index(0, 1), QColor(result.authentic ? Qt::darkGreen : Qt::red),
                   Qt::ForegroundRole);
    ++*(result.authentic ? succeeded : failed);
    model->setData(model->index(0, 2), RecordText(result.startTime), Qt::EditRole);
    model->setData(model->index(0, 3), RecordText(result.endTime), Qt::EditRole);
    model->setData(model->index(0, 4), RecordText(result.rcSerial), Qt::EditRole);

    model->setData(model->index(0, 0), QVariant::fromValue(result), kResultRole);
    const QString toolTip = VerdictText::ToolTip(result);
    if (!toolTip.isEmpty()) {
        for (int column = 0; column < model->columnCount(); ++column)
            model->setData(model->index(0, column), toolTip, Qt::ToolTipRole);
    }
}
