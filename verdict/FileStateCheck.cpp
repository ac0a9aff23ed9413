// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileStateCheck.h"

#include "verdict/FileSnapshot.h"

FileState CurrentFileState(const VerificationResult& result)
{
    if (result.size < 0 || result.modifiedNs < 0)
        return FileState::NotRecorded;
    FileSnapshot now;
    if (!now.TakeOfPath(result.path.c_str()))
        return FileState::Changed;
    const bool same = now.Status().st_size == result.size && now.ModifiedNs() == result.modifiedNs;
    return same ? FileState::AsVerified : FileState::Changed;
}
