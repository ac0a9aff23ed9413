// SPDX-License-Identifier: Apache-2.0
#include "digest/Md5Lanes.h"

#include "digest/Md5LaneKernels.h"
#include "digest/SecureWipe.h"

#include <cstring>

namespace {

// What an idle kernel lane hashes; its result is thrown away.
const unsigned char kIdleBlock[64] = {};

void StoreLe32(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

bool HasBlock(const Md5Lane& lane)
{
    return lane.fill + lane.remaining >= 64;
}

// The lane's next whole block: straight from its input when nothing waits in the buffer, which is
// every block but the first of each input once the input starts on a block boundary.
const unsigned char* TakeBlock(Md5Lane* lane)
{
    if (lane->fill == 0) {
        const unsigned char* block = lane->data;
        lane->data += 64;
        lane->remaining -= 64;
        return block;
    }
    const uint32_t rest = 64 - lane->fill;
    std::memcpy(lane->buffer + lane->fill, lane->data, rest);
    lane->data += rest;
    lane->remaining -= rest;
    lane->fill = 0;
    return lane->buffer;
}

// Moves what is left of the input, less than a block, into the buffer.
void Absorb(Md5Lane* lane)
{
    if (lane->remaining > 0)
        std::memcpy(lane->buffer + lane->fill, lane->data, lane->remaining);
    lane->fill += lane->remaining;
    lane->remaining = 0;
    lane->data = nullptr;
}

void RunOneStream(Md5Lane* lane)
{
    while (HasBlock(*lane))
        Md5Compress(lane->state, TakeBlock(lane));
    Absorb(lane);
}

#ifdef QUORLITH_MD5_LANE_KERNELS

// Steps the kernel of width W over the busy lanes until one of them runs short of a block. The
// states stay in the kernel's layout between steps.
template <int W>
void RunKernel(Md5Lanes* lanes, const int* busy, int busyCount,
               void (*kernel)(uint32_t (*)[W], const unsigned char* const*))
{
    uint32_t state[4][W] = {};
    for (int slot = 0; slot < busyCount; ++slot)
        for (int w = 0; w < 4; ++w)
            state[w][slot] = lanes->lane[busy[slot]].state[w];
    const unsigned char* blocks[W];
    for (int slot = busyCount; slot < W; ++slot)
        blocks[slot] = kIdleBlock;
    bool allHaveBlock = true;
    while (allHaveBlock) {
        for (int slot = 0; slot < busyCount; ++slot)
            blocks[slot] = TakeBlock(&lanes->lane[busy[slot]]);
        kernel(state, blocks);
        for (int slot = 0; slot < busyCount; ++slot)
            allHaveBlock = allHaveBlock && HasBlock(lanes->lane[busy[slot]]);
    }
    for (int slot = 0; slot < busyCount; ++slot)
        for (int w = 0; w < 4; ++w)
            lanes->lane[busy[slot]].state[w] = state[w][slot];
    SecureWipe(state, sizeof state);
}

#endif

} // namespace

void Md5LanesInit(Md5Lanes* lanes, int width)
{
    std::memset(lanes, 0, sizeof *lanes);
    const int available = Md5LaneWidthAvailable();
    const int capped = width < available ? width : available;
    lanes->width = capped >= 16 ? 16 : capped >= 8 ? 8 : 1;
}

int Md5LanesFreeLane(const Md5Lanes* lanes)
{
    for (int i = 0; i < lanes->width; ++i) {
        if (!lanes->lane[i].busy)
            return i;
    }
    return -1;
}

void Md5LaneStart(Md5Lanes* lanes, int lane, const Md5Context* from)
{
    Md5Context fresh;
    if (!from) {
        Md5Init(&fresh);
        from = &fresh;
    }
    Md5Lane* l = &lanes->lane[lane];
    std::memcpy(l->state, from->state, sizeof l->state);
    std::memcpy(l->count, from->count, sizeof l->count);
    std::memcpy(l->buffer, from->buffer, sizeof l->buffer);
    // Md5Update finds the bytes waiting in the buffer by the count, whatever filled the buffer.
    l->fill = (l->count[0] >> 3) & 0x3f;
    l->data = nullptr;
    l->remaining = 0;
    l->busy = true;
}

void Md5LaneFeed(Md5Lanes* lanes, int lane, const unsigned char* data, uint32_t length)
{
    Md5Lane* l = &lanes->lane[lane];
    const uint32_t bits = length << 3;
    l->count[0] += bits;
    if (l->count[0] < bits)
        l->count[1]++;
    l->count[1] += length >> 29;
    l->data = data;
    l->remaining = length;
}

void Md5LaneClose(Md5Lanes* lanes, int lane)
{
    Md5Lane* l = &lanes->lane[lane];
    const uint32_t index = (l->count[0] >> 3) & 0x3f;
    const uint32_t padLength = index < 56 ? 56 - index : 120 - index;
    std::memset(l->closing, 0, sizeof l->closing);
    l->closing[0] = 0x80;
    StoreLe32(l->closing + padLength, l->count[0]);
    StoreLe32(l->closing + padLength + 4, l->count[1]);
    Md5LaneFeed(lanes, lane, l->closing, padLength + 8);
}

int Md5LanesAdvance(Md5Lanes* lanes)
{
    int busy[kMd5MaxLanes];
    int busyCount = 0;
    for (int i = 0; i < lanes->width; ++i) {
        Md5Lane* l = &lanes->lane[i];
        if (!l->busy)
            continue;
        if (!HasBlock(*l)) {
            Absorb(l);
            return i;
        }
        busy[busyCount++] = i;
    }
    if (busyCount == 0)
        return -1;
#ifdef QUORLITH_MD5_LANE_KERNELS
    // A kernel step costs about two one-stream blocks with AVX2 and three with AVX-512 (the latter
    // on 16 lanes), so two streams or fewer go faster one after the other.
    if (busyCount > 8 && lanes->width >= 16) {
        RunKernel<16>(lanes, busy, busyCount, Md5CompressLanes16);
        return Md5LanesAdvance(lanes);
    }
    if (busyCount > 2 && lanes->width >= 8) {
        RunKernel<8>(lanes, busy, busyCount, Md5CompressLanes8);
        return Md5LanesAdvance(lanes);
    }
#endif
    RunOneStream(&lanes->lane[busy[0]]);
    return busy[0];
}

void Md5LaneContext(const Md5Lanes* lanes, int lane, Md5Context* ctx)
{
    const Md5Lane& l = lanes->lane[lane];
    std::memcpy(ctx->state, l.state, sizeof ctx->state);
    std::memcpy(ctx->count, l.count, sizeof ctx->count);
    std::memcpy(ctx->buffer, l.buffer, sizeof ctx->buffer);
}

void Md5LaneDigest(Md5Lanes* lanes, int lane, unsigned char digest[16])
{
    for (int i = 0; i < 4; ++i)
        StoreLe32(digest + 4 * i, lanes->lane[lane].state[i]);
    Md5LaneRelease(lanes, lane);
}

void Md5LaneRelease(Md5Lanes* lanes, int lane)
{
    SecureWipe(&lanes->lane[lane], sizeof lanes->lane[lane]);
}
