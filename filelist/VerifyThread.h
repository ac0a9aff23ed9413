// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_VERIFYTHREAD_H
#define QUORLITH_FILELIST_VERIFYTHREAD_H

#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

#include <QByteArray>
#include <QThread>

#include <atomic>

class QStandardItemModel;

// Verifies one file on a thread of its own, or writes the failed row of what the folder search could
// not search, with the search's reason. run() only verifies, through the verdict library exactly
// as quorlith-verify does: the file is opened once, read-only, and nothing is written anywhere.
// WriteResult() puts the file's row (with its whole result and a tooltip that explains it) and its
// counter step into the list and must be called on the GUI thread once the thread has finished,
// because the GUI thread paints and edits the list meanwhile; before that it writes nothing.
class VerifyThread : public QThread
{
    Q_OBJECT

public:
    // target: the file's path as the bytes the system names it by, and what the folder search found wrong.
    VerifyThread(const VerificationTarget& target, QStandardItemModel* model, int* total, int* succeeded,
                 int* failed, bool* canceled);

    void WriteResult();

protected:
    void run() override;

private:
    VerificationTarget target;
    QStandardItemModel* model;
    int* total;
    int* succeeded;
    int* failed;
    bool* canceled;

    // Set by run() after the result; WriteResult reads it only once it sees it set. The flag also
    // shows the hand-over to ThreadSanitizer, which cannot see into Qt's own waiting.
    std::atomic<bool> resultReady{false};
    VerificationResult result;
};

#endif
