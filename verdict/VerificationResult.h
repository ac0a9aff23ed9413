// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_VERIFICATIONRESULT_H
#define QUORLITH_VERDICT_VERIFICATIONRESULT_H

#include "verdict/Coverage.h"
#include "verdict/FileIdentity.h"
#include "verdict/VerdictReason.h"

#include <cstdint>
#include <string>

// Everything the reports say about one file. Texts hold bytes as found: the path as given or
// found on disk, the record fields as the watermark holds them.
struct VerificationResult
{
    std::string path;
    bool authentic = false;
    VerdictReason reason = VerdictReason::None;
    // Words that replace the reason's standard words when there is more to say, e.g. a system error.
    std::string reasonDetail;
    // The verdict is what the folder search found (a folder that cannot be read, a folder loop), not
    // what reading a file gave: verifying the path again would ask another question.
    bool foundBySearch = false;

    std::string marker;
    std::string version;
    std::string hmac;
    // The keyed content digest computed from the file, beside the record's hmac: lower-case hex, empty
    // when the check stopped before the content was read whole.
    std::string computedHmac;
    std::string startTime;
    std::string endTime;
    std::string timeSource;
    std::string rcSerial;
    std::string camMac;
    int digestMode = -1; // -1: not reached
    // The key set the verdict rests on (its name and fingerprint; both empty when no set opened the
    // watermark block) and how many sets were tried.
    std::string keySetName;
    std::string keySetFingerprint;
    int keySetsTried = 0;
    bool builtInKeySetOnly = true; // the sets tried were the built-in set alone

    // The file as it was verified; its size is -1 when unknown. Lets a later report or digest tell
    // whether the file is still the one that was verified.
    FileIdentity file;
    // As read before the file was verified, for the report only (reading moves the access time): the
    // access time in nanoseconds since 1970, the owner's numeric id and the permission bits; -1: unknown.
    int64_t accessedNs = -1;
    int64_t ownerId = -1;
    int permissions = -1;
    // Whether the verification read the file without moving its last access time.
    bool accessTimeKept = false;
    bool hasCoverage = false;
    Coverage coverage;
    std::string sha256; // lower-case hex; empty when not computed
};

#endif
