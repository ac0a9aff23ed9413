#include "filelist/VerifyThread.h"

#include "engine/WatermarkVerifier.h"
#include "filelist/TemporaryCopy.h"

#include <QColor>
#include <QCoreApplication>
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
    WatermarkVerifier verifier;
    const TemporaryCopy copy(fileInfo);
    answer = verifier.Verify(QFile::encodeName(copy.PathToVerify()).constData());
    startTime = RecordText(verifier.GetStartTime());
    endTime = RecordText(verifier.GetEndTime());
    serial = RecordText(verifier.GetRCSerial());
    resultReady.store(true, std::memory_order_release);
}

void VerifyThread::WriteResult()
{
    if (!resultReady.load(std::memory_order_acquire) || *canceled)
        return;
    ++*total;
    model->insertRow(0);
    model->setData(model->index(0, 0), fileInfo.fileName(), Qt::EditRole);
    if (answer == 0) {
        model->setData(model->index(0, 1), QCoreApplication::translate("QObject", "Authentication succeeded"),
                       Qt::EditRole);
        model->setData(model->index(0, 1), QColor(Qt::darkGreen), Qt::ForegroundRole);
        ++*succeeded;
    } else {
        model->setData(model->index(0, 1), QCoreApplication::translate("QObject", "Authentication failed"),
                       Qt::EditRole);
        model->setData(model->index(0, 1), QColor(Qt::red), Qt::ForegroundRole);
        ++*failed;
    }
    model->setData(model->index(0, 2), startTime, Qt::EditRole);
    model->setData(model->index(0, 3), endTime, Qt::EditRole);
    model->setData(model->index(0, 4), serial, Qt::EditRole);
}
