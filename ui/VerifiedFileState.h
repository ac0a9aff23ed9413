// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_VERIFIEDFILESTATE_H
#define QUORLITH_UI_VERIFIEDFILESTATE_H

#include "verdict/VerificationResult.h"

// Whether the file a result speaks of is still the one that was verified, as far as its size and
// modification time tell. A digest computed now is only the verified file's when it is Unchanged.
enum class VerifiedFileState
{
    Unchanged,
    Changed,   // another size or modification time, or the verified ones are not known
    Unreadable // the file cannot be examined now (gone, no permission)
};

VerifiedFileState StateSinceVerified(const VerificationResult& result);

#endif
