// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileStateCheck.h"

void RecordVerifiedState(const FileSnapshot& verified, VerificationResult* result)
{
    const struct stat& status = verified.Status();
    result->size = status.st_size;
    result->modifiedNs = verified.ModifiedNs();
    result->device = status.st_dev;
    result->inode = status.st_ino;
    result->changedNs = verified.ChangedNs();
}

FileState CurrentFileState(const VerificationResult& result)
{
    if (result.size < 0 || result.modifiedNs < 0 || result.changedNs < 0)
        return FileState::NotRecorded;
    FileSnapshot now;
    if (!now.TakeOfPath(result.path.c_str()))
        return FileState::Unreadable;
    const struct stat& status = now.Status();
    const bool same = status.st_dev == result.device && status.st_ino == result.inode &&
                      status.st_size == result.size && now.ModifiedNs() == result.modifiedNs &&
                      now.ChangedNs() == result.changedNs;
    return same ? FileState::AsVerified : FileState::Changed;
}
