// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_SHA256READING_H
#define QUORLITH_UI_SHA256READING_H

#include "ui/BackgroundTask.h"
#include "verdict/VerificationResult.h"

#include <QObject>

#include <atomic>
#include <string>

// Computes the SHA-256 of a verified file beside the event loop, so that the window keeps answering
// while a large clip is read. The digest only counts when the file was still the verified one
// (FileStateCheck.h) just before and just after the reading: otherwise it belongs to another file.
class Sha256Reading : public QObject
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

    explicit Sha256Reading(const VerificationResult& verified, QObject* parent = nullptr);

    void Start();
    // Asks the reading to end after the piece in work; safe from any thread.
    void Stop() { task.Stop(); }
    // Waits until the reading has ended.
    void Wait() { task.Wait(); }
    void StopAndWait() { task.StopAndWait(); }
    bool IsDone() const { return task.IsDone(); }

    // Read these only once the reading is done.
    Outcome GetOutcome() const { return outcome.load(std::memory_order_acquire); }
    const std::string& HexDigest() const { return hexDigest; }
    int64_t BytesRead() const { return bytesRead; }

signals:
    // From the reading's thread, each time another whole percent of the file has been read.
    void Progress(int percent);
    // In this object's thread, once the reading has ended.
    void Finished();

private:
    void Read();
    bool KeepGoing(int64_t bytesDone);

    const VerificationResult verified;
    // Written by the reading before it stores the outcome, which publishes them to the GUI thread.
    std::string hexDigest;
    int64_t bytesRead = 0;
    int lastPercent = 0;
    std::atomic<Outcome> outcome{Outcome::Running};
    // Last, so that it is destroyed first: it waits for the reading, which uses everything above.
    BackgroundTask task;
};

#endif
