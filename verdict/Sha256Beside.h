// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_SHA256BESIDE_H
#define QUORLITH_VERDICT_SHA256BESIDE_H

#include "verdict/Sha256Stream.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A SHA-256 on a thread of its own beside the reading, so that on two cores the reading's MD5 and the
// SHA-256 take about the time of the slower one. Each piece is copied into one of two buffers, in turn,
// and hashed in the order given; Add waits only while both buffers are still being hashed.
class Sha256Beside
{
public:
    Sha256Beside();
    ~Sha256Beside();
    Sha256Beside(const Sha256Beside&) = delete;
    Sha256Beside& operator=(const Sha256Beside&) = delete;

    void Add(const unsigned char* data, size_t length);
    // Waits for every piece given, then as Sha256Stream::Finish.
    bool Finish(std::string* hexDigest);

private:
    void Hash();
    void Stop();

    struct Slot
    {
        std::vector<unsigned char> bytes;
        size_t length = 0;
        bool full = false;
    };
    Sha256Stream sha256;
    std::mutex mutex;
    std::condition_variable changed;
    Slot slots[2];
    int next = 0;
    bool done = false;
    std::thread worker;
};

#endif
