// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FILEVERIFIER_H
#define QUORLITH_VERDICT_FILEVERIFIER_H

#include "engine/ContainerDigest.h"
#include "engine/KeyRing.h"
#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

// Verifies one target with the engine and adds what the reports need around the verdict: a reason
// for every failure, the coverage, the optional SHA-256 and a check that the file stayed the same
// file, of the same size and times, from before the first read to after the last. A file that
// changed fails as "unreadable", whatever the engine said. Safe to use from several threads.
class FileVerifier
{
public:
    // keys: the sets to verify with, which must outlive the verifier; null for the program's own.
    explicit FileVerifier(bool withSha256, const KeyRing* keys = nullptr) : withSha256(withSha256), keys(keys)
    {
    }

    // progress, when given, hears of the content bytes as the engine reads them.
    VerificationResult Verify(const VerificationTarget& target, const ReadProgress* progress = nullptr) const;

private:
    bool withSha256;
    const KeyRing* keys;
};

#endif
