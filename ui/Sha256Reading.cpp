// SPDX-License-Identifier: Apache-2.0
#include "ui/Sha256Reading.h"

#include "verdict/FileStateCheck.h"

namespace {
Sha256Reading::Outcome OutcomeOf(FileState state)
{
    return state == FileState::Unreadable ? Sha256Reading::Outcome::Unreadable
                                          : Sha256Reading::Outcome::Changed;
}
} // namespace

Sha256Reading::Sha256Reading(const VerificationResult& verified, QObject* parent)
    : QObject(parent), verified(verified), task([this] { Read(); })
{
    connect(&task, &BackgroundTask::Finished, this, &Sha256Reading::Finished);
}

void Sha256Reading::Start()
{
    task.Start(QThread::LowPriority);
}

bool Sha256Reading::KeepGoing(int64_t bytesDone)
{
    bytesRead = bytesDone;
    if (verified.file.size > 0) {
        const int percent = static_cast<int>(bytesDone * 100 / verified.file.size);
        if (percent > lastPercent) {
            lastPercent = percent;
            emit Progress(percent);
        }
    }
    return !task.StopRequested();
}

void Sha256Reading::Read()
{
    const FileState state =
        DigestAsVerified(verified, &hexDigest, [this](int64_t bytesDone) { return KeepGoing(bytesDone); });
    if (task.StopRequested())
        outcome.store(Outcome::Stopped, std::memory_order_release);
    else
        outcome.store(state == FileState::AsVerified ? Outcome::Digested : OutcomeOf(state),
                      std::memory_order_release);
}
