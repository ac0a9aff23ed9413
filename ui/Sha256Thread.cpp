// SPDX-License-Identifier: Apache-2.0
#include "ui/Sha256Thread.h"

#include "verdict/FileStateCheck.h"

namespace {
Sha256Thread::Outcome OutcomeOf(FileState state)
{
    return state == FileState::Unreadable ? Sha256Thread::Outcome::Unreadable
                                          : Sha256Thread::Outcome::Changed;
}
} // namespace

Sha256Thread::Sha256Thread(const VerificationResult& verified, QObject* parent)
    : QThread(parent), verified(verified)
{
}

void Sha256Thread::Stop()
{
    stopRequested.store(true, std::memory_order_relaxed);
}

void Sha256Thread::StopAndWait()
{
    Stop();
    wait();
    // Qt waits with futexes that ThreadSanitizer cannot see; this load shows it the hand-over of
    // everything run() wrote.
    outcome.load(std::memory_order_acquire);
}

bool Sha256Thread::KeepGoing(int64_t bytesDone)
{
    bytesRead = bytesDone;
    if (verified.file.size > 0) {
        const int percent = static_cast<int>(bytesDone * 100 / verified.file.size);
        if (percent > lastPercent) {
            lastPercent = percent;
            emit Progress(percent);
        }
    }
    return !stopRequested.load(std::memory_order_relaxed);
}

void Sha256Thread::run()
{
    const FileState state =
        DigestAsVerified(verified, &hexDigest, [this](int64_t bytesDone) { return KeepGoing(bytesDone); });
    if (stopRequested.load(std::memory_order_relaxed))
        outcome.store(Outcome::Stopped, std::memory_order_release);
    else
        outcome.store(state == FileState::AsVerified ? Outcome::Digested : OutcomeOf(state),
                      std::memory_order_release);
}
