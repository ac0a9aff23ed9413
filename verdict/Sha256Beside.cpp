// SPDX-License-Identifier: Apache-2.0
#include "verdict/Sha256Beside.h"

#include <cstring>

Sha256Beside::Sha256Beside() : worker([this] { Hash(); }) {}

Sha256Beside::~Sha256Beside()
{
    Stop();
}

void Sha256Beside::Add(const unsigned char* data, size_t length)
{
    std::unique_lock<std::mutex> lock(mutex);
    Slot& slot = slots[next];
    changed.wait(lock, [&] { return !slot.full; });
    lock.unlock();
    // The hashing thread leaves a slot alone until it is marked full again.
    if (slot.bytes.size() < length)
        slot.bytes.resize(length);
    std::memcpy(slot.bytes.data(), data, length);
    slot.length = length;
    lock.lock();
    slot.full = true;
    next ^= 1;
    changed.notify_all();
}

void Sha256Beside::Hash()
{
    int turn = 0;
    for (;;) {
        std::unique_lock<std::mutex> lock(mutex);
        Slot& slot = slots[turn];
        changed.wait(lock, [&] { return slot.full || done; });
        if (!slot.full)
            return;
        lock.unlock();
        sha256.Update(slot.bytes.data(), slot.length);
        lock.lock();
        slot.full = false;
        turn ^= 1;
        changed.notify_all();
    }
}

void Sha256Beside::Stop()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
    }
    changed.notify_all();
    if (worker.joinable())
        worker.join();
}

bool Sha256Beside::Finish(std::string* hexDigest)
{
    Stop();
    return sha256.Finish(hexDigest);
}
