// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_RUNSUMMARY_H
#define QUORLITH_VERDICT_RUNSUMMARY_H

// The three counts of the window's status line.
struct RunSummary
{
    long long total = 0;
    long long succeeded = 0;
    long long failed = 0;

    void Count(bool authentic)
    {
        ++total;
        ++(authentic ? succeeded : failed);
    }
};

#endif
