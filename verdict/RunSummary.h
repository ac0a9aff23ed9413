// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_RUNSUMMARY_H
#define QUORLITH_VERDICT_RUNSUMMARY_H

#include "verdict/VerificationResult.h"

// The three counts of the window's status line, and the successes apart by how much of the file their
// digest protects: a success that protects nothing vouches for far less than one that protects every byte.
struct RunSummary
{
    long long total = 0;
    long long succeeded = 0;
    long long failed = 0;
    // Of the successes: every byte outside the watermark block protected, part of them, none.
    long long succeededWhole = 0;
    long long succeededPart = 0;
    long long succeededNone = 0;

    void Count(const VerificationResult& result)
    {
        ++total;
        if (!result.authentic) {
            ++failed;
            return;
        }
        ++succeeded;
        if (!result.hasCoverage || !result.coverage.partial)
            ++succeededWhole;
        else if (result.coverage.protectedBytes > 0)
            ++succeededPart;
        else
            ++succeededNone;
    }
};

#endif
