// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_LANEBATCH_H
#define QUORLITH_CLI_LANEBATCH_H

#include "cli/InWorkCounter.h"
#include "cli/OrderedParallelRunner.h"
#include "verdict/BatchFileVerifier.h"

#include <atomic>
#include <map>

// A worker's files in the lanes of the multi-buffer MD5, each file's bytes read counted in readInWork
// while it is in work, as the progress bar shows them.
class LaneBatch : public OrderedParallelRunner::Batch
{
public:
    LaneBatch(bool withSha256, int maxFiles, std::atomic<int64_t>* readInWork)
        : verifier(withSha256, nullptr, maxFiles), readInWork(readInWork)
    {
    }

    bool HasRoom() const override { return verifier.HasRoom(); }
    void Start(size_t index, const VerificationTarget& target) override;
    std::vector<std::pair<size_t, VerificationResult>> Next() override;

private:
    struct Counted
    {
        InWorkCounter counter;
        ReadProgress progress;
    };

    BatchFileVerifier verifier;
    std::atomic<int64_t>* readInWork;
    // By index; a map keeps each entry in place while the engine holds its progress.
    std::map<size_t, Counted> counted;
};

#endif
