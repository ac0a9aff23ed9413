// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_SHA256THREAD_H
#define QUORLITH_UI_SHA256THREAD_H

#include "verdict/VerificationResult.h"

#include <QThread>

#include <atomic>
#include <string>

// Computes the SHA-256 of a verified file on a thread of its own, so that the window keeps answering
// while a large clip is read. The digest only counts when the file was still the verified one
// (FileStateCheck.h) just before and just after the reading: otherwise it belongs to another file.
class Sha256Thread : public QThread
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Running,
        Digested,
        Changed,    // the file is no longer as it was verified, before or after the reading
        Unreadable, // the file cannot be opened or read
        Stopped,    // Stop() ended the reading early
    };

    explicit Sha256Thread(const VerificationResult& verified, QObject* parent = nullptr);

    // Asks the reading to end after the piece in work; safe from any thread.
    void Stop();
    // Stop() and waits until the thread has ended; afterwards it may be destroyed.
    void StopAndWait();

    // Read these only after the thread has finished.
    Outcome GetOutcome() const { return outcome.load(std::memory_order_acquire); }
    const std::string& HexDigest() const { return hexDigest; }
    int64_t BytesRead() const { return bytesRead; }

signals:
    // From the worker thread, each time another whole percent of the file has been read.
    void Progress(int percent);

protected:
    void run() override;

private:
    bool KeepGoing(int64_t bytesDone);

    const VerificationResult verified;
    std::atomic<bool> stopRequested{false};
    // Written by run() before it stores the outcome, which publishes them to the GUI thread.
    std::string hexDigest;
    int64_t bytesRead = 0;
    int lastPercent = 0;
    std::atomic<Outcome> outcome{Outcome::Running};
};

#endif
