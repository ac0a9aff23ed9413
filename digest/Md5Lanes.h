// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_MD5LANES_H
#define QUORLITH_DIGEST_MD5LANES_H

#include "digest/Md5.h"
#include "digest/Md5LaneWidth.h"

#include <cstdint>

// MD5 of up to 16 independent streams at once. One stream's MD5 waits on its previous step at every
// step; streams of different files do not wait on each other, so the processor's vector lanes take
// one block of each per step. Each lane gives exactly what Md5Update and Md5Final give its stream.
struct Md5Lane
{
    uint32_t state[4];
    uint32_t count[2];
    unsigned char buffer[64];
    uint32_t fill;             // bytes in buffer waiting for the rest of their block
    const unsigned char* data; // input given and not yet taken; the caller keeps it alive
    uint32_t remaining;
    bool busy;
    unsigned char closing[64 + 8]; // the finalisation's padding and count, taken as input
};

struct Md5Lanes
{
    int width; // lanes in use: 1, 8 or 16
    Md5Lane lane[kMd5MaxLanes];
};

// width: Md5LaneWidth() as a rule; lowered to what the processor has.
void Md5LanesInit(Md5Lanes* lanes, int width);
// A free lane, or -1 when all are busy.
int Md5LanesFreeLane(const Md5Lanes* lanes);

// Takes lane for a stream that continues from (null: a new MD5, as after Md5Init). from may be a
// context the version 1.1 fold filled: its count is taken as it stands, as Md5Final takes it.
void Md5LaneStart(Md5Lanes* lanes, int lane, const Md5Context* from);
// Gives a lane that Md5LanesAdvance answered (or one just started) its next input, as Md5Update.
void Md5LaneFeed(Md5Lanes* lanes, int lane, const unsigned char* data, uint32_t length);
// Gives the lane its finalisation as its last input, as Md5Final does.
void Md5LaneClose(Md5Lanes* lanes, int lane);

// Runs steps while every busy lane has a whole block of input, and answers a busy lane that has
// taken all its input (the rest of a block waits in its buffer): feed it, close it, or once closed
// take its digest. -1 when no lane is busy.
int Md5LanesAdvance(Md5Lanes* lanes);

// The stream's context as Md5Update would have left it, for a lane that has taken all its input.
void Md5LaneContext(const Md5Lanes* lanes, int lane, Md5Context* ctx);
// The 16-byte digest of a closed lane that has taken all its input; wipes the lane and frees it.
void Md5LaneDigest(Md5Lanes* lanes, int lane, unsigned char digest[16]);
// Gives up a lane's stream (its file could not be read to the end): wipes the lane and frees it.
void Md5LaneRelease(Md5Lanes* lanes, int lane);

#endif
