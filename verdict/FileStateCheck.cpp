// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileStateCheck.h"

#include "verdict/Sha256Reader.h"

void RecordVerifiedState(const FileSnapshot& verified, VerificationResult* result)
{
    const FileStatus& status = verified.Status();
    result->size = status.size;
    result->modifiedNs = verified.ModifiedNs();
    result->device = status.volume;
    result->inode = status.fileId;
    result->changedNs = verified.ChangedNs();
    result->accessedNs = status.accessedNs;
    result->ownerId = status.ownerId;
    result->permissions = status.permissions;
}

FileState CurrentFileState(const VerificationResult& result)
{
    if (result.size < 0 || result.modifiedNs < 0 || result.changedNs < 0)
        return FileState::NotRecorded;
    FileSnapshot now;
    if (!now.TakeOfPath(result.path.c_str()))
        return FileState::Unreadable;
    const FileStatus& status = now.Status();
    const bool same = status.volume == result.device && status.fileId == result.inode &&
                      status.size == result.size && now.ModifiedNs() == result.modifiedNs &&
                      now.ChangedNs() == result.changedNs;
    return same ? FileState::AsVerified : FileState::Changed;
}

bool SameRecordedState(const VerificationResult& first, const VerificationResult& second)
{
    const bool recorded = first.size >= 0 && first.modifiedNs >= 0 && first.changedNs >= 0;
    return recorded && first.path == second.path && first.device == second.device &&
           first.inode == second.inode && first.size == second.size &&
           first.modifiedNs == second.modifiedNs && first.changedNs == second.changedNs;
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
