#ifndef QUORLITH_FILELIST_VERIFYTHREAD_H
#define QUORLITH_FILELIST_VERIFYTHREAD_H

#include <QFileInfo>
#include <QString>
#include <QThread>

class QStandardItemModel;

// Verifies one file on a thread of its own. run() only copies and verifies; WriteResult() puts the
// file's row and its counter step into the list and must be called on the GUI thread once the
// thread has finished, because the GUI thread paints and edits the list meanwhile.
class VerifyThread : public QThread
{
    Q_OBJECT

public:
    VerifyThread(const QFileInfo& fileInfo, QStandardItemModel* model, int* total, int* succeeded,
                 int* failed, bool* canceled);

    void WriteResult();

protected:
    void run() override;

private:
    QFileInfo fileInfo;
    QStandardItemModel* model;
    int* total;
    int* succeeded;
    int* failed;
    bool* canceled;

    int answer = -1;
    QString startTime;
    QString endTime;
    QString serial;
};

#endif
