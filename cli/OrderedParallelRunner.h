// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_ORDEREDPARALLELRUNNER_H
#define QUORLITH_CLI_ORDEREDPARALLELRUNNER_H

#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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

    // Answers the number of results delivered: all of them, or when the run was stopped those of the
    // targets started before, every one of which is verified to the end and delivered in order.
    static size_t Run(const std::vector<VerificationTarget>& targets, int jobs, const Verify& verify,
                      const Deliver& deliver, const Progress& progress, const ShouldStop& shouldStop = {});
};

#endif
