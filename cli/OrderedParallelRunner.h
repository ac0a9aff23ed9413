// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_ORDEREDPARALLELRUNNER_H
#define QUORLITH_CLI_ORDEREDPARALLELRUNNER_H

#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Verifies targets on several threads and hands the results back on the calling thread in the
// targets' order. Workers never run more than a fixed window ahead of the oldest result not yet
// handed back, so memory stays bounded however long one slow file takes.
class OrderedParallelRunner
{
public:
    using Verify = std::function<VerificationResult(const VerificationTarget&)>;
    using Deliver = std::function<void(const VerificationResult&)>;
    // Called on the calling thread about ten times a second and after each delivery, with the
    // number of files and their bytes (by the sizes seen while collecting) finished so far.
    using Progress = std::function<void(long long filesDone, int64_t bytesDone)>;
    // Asked from every thread before a target is started and about ten times a second; once it
    // answers true no target is started any more.
    using ShouldStop = std::function<bool()>;

    // One worker's files in work, several at a time: Start begins a target while HasRoom says there is
    // room, Next works on those started until one or more are finished and answers them (their index
    // and result), or nothing when none is in work. Each worker makes its own and alone uses it.
    class Batch
    {
    public:
        virtual ~Batch() = default;
        virtual bool HasRoom() const = 0;
        virtual void Start(size_t index, const VerificationTarget& target) = 0;
        virtual std::vector<std::pair<size_t, VerificationResult>> Next() = 0;
    };
    using MakeBatch = std::function<std::unique_ptr<Batch>()>;

    // Answers the number of results delivered: all of them, or when the run was stopped those of the
    // targets started before, every one of which is verified to the end and delivered in order.
    static size_t Run(const std::vector<VerificationTarget>& targets, int jobs, const Verify& verify,
                      const Deliver& deliver, const Progress& progress, const ShouldStop& shouldStop = {});
    // The same with each worker's files in a batch of up to filesPerJob at once; the window grows by
    // the files a batch holds, so that a worker can keep its batch full.
    static size_t Run(const std::vector<VerificationTarget>& targets, int jobs, int filesPerJob,
                      const MakeBatch& makeBatch, const Deliver& deliver, const Progress& progress,
                      const ShouldStop& shouldStop = {});
};

#endif
