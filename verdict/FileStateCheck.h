// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FILESTATECHECK_H
#define QUORLITH_VERDICT_FILESTATECHECK_H

#include "verdict/FileSnapshot.h"
#include "verdict/VerificationResult.h"

#include <cstdint>
#include <functional>
#include <string>

// Whether the file at a result's path is still the one that was verified: the same device and
// inode, size, modification and change time. A digest computed or a report made later must not
// vouch for a file that changed since; the change time catches an edit whose modification time
// was put back, the inode a file swapped in under the same name.
enum class FileState
{
    AsVerified,
    Changed,     // another file, size or time
    Unreadable,  // cannot be examined now: gone, or no permission
    NotRecorded, // the verification recorded no state to compare with
};

// Records in result the state of the file as it was verified.
void RecordVerifiedState(const FileSnapshot& verified, VerificationResult* result);

FileState CurrentFileState(const VerificationResult& result);

// Whether two verifications recorded the same file in the same state, so that they read the same bytes.
bool SameRecordedState(const VerificationResult& first, const VerificationResult& second);

// The SHA-256 of the file at result's path, taken only while it is the file that was verified: its state
// is compared before and after the reading, so the digest cannot be of other bytes than those verified.
// AsVerified when hexDigest was written; Unreadable also when the reading failed or keepGoing stopped it.
FileState DigestAsVerified(const VerificationResult& result, std::string* hexDigest,
                           const std::function<bool(int64_t)>& keepGoing);

#endif
