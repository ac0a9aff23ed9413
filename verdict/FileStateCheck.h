// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FILESTATECHECK_H
#define QUORLITH_VERDICT_FILESTATECHECK_H

#include "verdict/VerificationResult.h"

// Whether the file at a result's path is still the one that was verified, as far as its size and
// modification time tell: a report made later must not vouch for a file that changed since.
enum class FileState
{
    AsVerified,
    Changed,     // other size or time, or gone
    NotRecorded, // the verification recorded no size or time to compare with
};

FileState CurrentFileState(const VerificationResult& result);

#endif
