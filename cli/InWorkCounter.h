// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_INWORKCOUNTER_H
#define QUORLITH_CLI_INWORKCOUNTER_H

#include <atomic>
#include <cstdint>

// One file's share of the bytes read in work: what it added, to take back once the file is done and
// counted whole by its size.
struct InWorkCounter
{
    std::atomic<int64_t>* total;
    int64_t mine;

    static void Add(void* context, int64_t count)
    {
        InWorkCounter* counter = static_cast<InWorkCounter*>(context);
        counter->mine += count;
        *counter->total += count;
    }
};

#endif
