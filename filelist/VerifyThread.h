// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_VERIFYTHREAD_H
#define QUORLITH_FILELIST_VERIFYTHREAD_H

#include "verdict/VerificationResult.h"

#include <QFileInfo>
#include <QString>
#include <QThread>

#include <atomic>

class QStandardItemModel;

// Verifies one file on a thread of its own. run() only copies and verifies; WriteResult() puts the
// file's row (with its whole result and a tooltip that explains it) and its counter step into the list and
// must be called on the GUI thread once the thread has finished, because the GUI thread paints and edits the
// list meanwhile; before that it writes nothing.
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

    // Set by run() after the fields below; WriteResult reads them only once it sees it set. The
    // flag also shows the hand-over to ThreadSanitizer, which cannot see into Qt's own waiting.
    std::atomic<bool> resultReady{false};
    VerificationResult result;
};

#endif
