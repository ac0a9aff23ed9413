// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_DIGESTUPDATE_H
#define QUORLITH_DIGEST_DIGESTUPDATE_H

#include "digest/Md5.h"

#include <cstdint>

// How content bytes reach the digest: record version "1.0" hashes them, "1.1" folds them.
enum DigestMode : int
{
    DigestModeMd5 = 0,
    DigestModeFold = 1,
};

// Folds bytes into ctx->buffer by XOR at their position modulo 64; count[0] counts the bytes
// and count[1] keeps the position. A non-positive length folds nothing but is still counted.
void Md5Fold(Md5Context* ctx, const unsigned char* data, int32_t length);

// Mode 0: Md5Update; mode 1: Md5Fold; any other mode leaves the context unchanged.
void DigestUpdate(int mode, Md5Context* ctx, const unsigned char* data, int32_t length);

#endif
