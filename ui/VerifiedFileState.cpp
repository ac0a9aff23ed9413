// SPDX-License-Identifier: Apache-2.0
#include "ui/VerifiedFileState.h"

#include "verdict/FileSnapshot.h"

VerifiedFileState StateSinceVerified(const VerificationResult& result)
{
    FileSnapshot now;
    if (!now.TakeOfPath(result.path.c_str()))
        return VerifiedFileState::Unreadable;
    const bool known = result.size >= 0 && result.modifiedNs >= 0;
    if (!known || now.Status().st_size != result.size || now.ModifiedNs() != result.modifiedNs)
        return VerifiedFileState::Changed;
    return VerifiedFileState::Unchanged;
}
