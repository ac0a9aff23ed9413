// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_BATCHFILEVERIFIER_H
#define QUORLITH_VERDICT_BATCHFILEVERIFIER_H

#include "digest/Md5Lanes.h"
#include "engine/ContainerDigest.h"
#include "engine/ContentPieces.h"
#include "engine/KeyRing.h"
#include "verdict/FileCheck.h"
#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

#include <cstddef>
#include <memory>
#include <vector>

// Verifies several files at once on the calling thread, with the MD5 of their contents side by side
// in the lanes of the multi-buffer MD5: one MD5 waits on its last step at every step, the MD5s of
// different files do not. Each file is opened, read and judged as FileVerifier does it, through the
// same FileCheck; only the order in which files finish differs. A file's content starts as a lane frees.
class BatchFileVerifier
{
public:
    struct Finished
    {
        size_t tag;
        VerificationResult result;
    };

    // keys: null for the program's own sets. maxFiles: how many files may be open at once, at most one
    // per lane. laneWidth: Md5LaneWidth() but where a test asks for another.
    BatchFileVerifier(bool withSha256, const KeyRing* keys, int maxFiles, int laneWidth = Md5LaneWidth());
    ~BatchFileVerifier();
    BatchFileVerifier(const BatchFileVerifier&) = delete;
    BatchFileVerifier& operator=(const BatchFileVerifier&) = delete;

    // Whether Add may take another file.
    bool HasRoom() const;
    // Starts verifying target; its result comes back from Next with tag. progress, when given, hears of
    // the file's content bytes as they are read and must outlive the file's verification.
    void Add(size_t tag, const VerificationTarget& target, const ReadProgress* progress);
    // Works on the files added until at least one is finished, and answers those finished; empty
    // when no file is in work.
    std::vector<Finished> Next();

private:
    struct InWork
    {
        size_t tag;
        std::unique_ptr<FileCheck> check;
        ContentPieces pieces;
        bool closed;
    };

    void TakeNextPiece(int lane);
    void Conclude(int lane, int digestResult, const unsigned char* digest);

    const bool withSha256;
    const KeyRing* const keys;
    int maxFiles;
    int filesInWork = 0;
    Md5Lanes lanes;
    std::unique_ptr<InWork> inWork[kMd5MaxLanes];
    std::vector<Finished> finished;
};

#endif
