// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_MD5_H
#define QUORLITH_DIGEST_MD5_H

#include <cstdint>

// The running state of an MD5 digest (RFC 1321). The version "1.1" fold feeds the same
// structure with other meanings for its fields, so the layout is part of the digest format.
struct Md5Context
{
    uint32_t state[4];        // A, B, C, D
    uint32_t count[2];        // message length in bits, low word first (fold: bytes, position)
    unsigned char buffer[64]; // pending input (fold: the XOR of every 64th byte)
};

void Md5Init(Md5Context* ctx);
void Md5Update(Md5Context* ctx, const unsigned char* data, uint32_t length);
// Finishes whatever fed the context, writes the 16-byte digest and wipes the context.
void Md5Final(Md5Context* ctx, unsigned char digest[16]);
// The RFC 1321 compression of one 64-byte block into the four state words: one step of one stream.
void Md5Compress(uint32_t state[4], const unsigned char block[64]);

#endif
