// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FILECHECK_H
#define QUORLITH_VERDICT_FILECHECK_H

#include "engine/ContainerDigest.h"
#include "engine/EvidenceReader.h"
#include "engine/KeyRing.h"
#include "engine/WatermarkVerifier.h"
#include "verdict/FileSnapshot.h"
#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

#include <memory>

class Sha256Beside;
class Sha256Stream;

// One file in verification, from the look before its open to the result: everything but the reading
// of its content, which the caller does at its own pace (one file after another, or many side by side
// in the lanes of the multi-buffer MD5). Both ways reach the verdict through this code.
class FileCheck
{
public:
    // Looks at the target, opens it and reads it up to its content. keys: never null. A check destroyed
    // while it waits for its content ends as stopped.
    FileCheck(const VerificationTarget& target, bool withSha256, const KeyRing* keys,
              const ReadProgress* progress);
    ~FileCheck();
    FileCheck(const FileCheck&) = delete;
    FileCheck& operator=(const FileCheck&) = delete;

    // Whether the verdict waits for the content digest: the region Engine().GetContentRegion() read
    // through Engine().ContentReader() in Engine().GetDigestMode(), told to Progress().
    bool NeedsContent() const { return pending; }
    WatermarkVerifier& Engine() { return verifier; }
    const ReadProgress* Progress() const { return progress; }
    // The content digest before keying (digestResult 0), or kFileUnfit or kSystemFailure with errno
    // telling why.
    void FinishContent(int digestResult, const unsigned char digest[16]);

    // The result, once the verdict no longer waits.
    VerificationResult TakeResult() { return std::move(result); }

private:
    void Begin(const VerificationTarget& target);
    void Conclude(int verdict);

    const bool withSha256;
    const KeyRing* const keys;
    const ReadProgress* const progress;
    VerificationResult result;
    FileSnapshot before;
    int fd = -1;
    bool pending = false;
    std::unique_ptr<Sha256Beside> besideHash;
    std::unique_ptr<Sha256Stream> inPlaceHash;
    ByteObserver hearer = {nullptr, nullptr};
    WatermarkVerifier verifier;
};

#endif
