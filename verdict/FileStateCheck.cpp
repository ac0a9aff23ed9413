// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileStateCheck.h"

#include "verdict/Sha256Reader.h"

void RecordVerifiedState(const FileSnapshot& verified, VerificationResult* result)
{
    const FileStatus& status = verified.Status();
    result->file = verified.Identity();
    result->accessedNs = status.accessedNs;
    result->ownerId = status.ownerId;
    result->permissions = status.permissions;
}

FileState CurrentFileState(const VerificationResult& result)
{
    if (!result.file.Recorded())
        return FileState::NotRecorded;
    FileSnapshot now;
    if (!now.TakeOfPath(result.path.c_str()))
        return FileState::Unreadable;
    return now.Identity() == result.file ? FileState::AsVerified : FileState::Changed;
}

bool SameRecordedState(const VerificationResult& first, const VerificationResult& second)
{
    return first.file.Recorded() && first.path == second.path && first.file == second.file;
}

FileState DigestAsVerified(const VerificationResult& result, std::string* hexDigest,
                           const std::function<bool(int64_t)>& keepGoing)
{
    const FileState before = CurrentFileState(result);
    if (before != FileState::AsVerified)
        return before;
    std::string digest;
    if (!Sha256Reader::DigestFile(result.path, &digest, keepGoing))
        return FileState::Unreadable;
    const FileState after = CurrentFileState(result);
    if (after == FileState::AsVerified)
        *hexDigest = digest;
    return after;
}
