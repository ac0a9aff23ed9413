// SPDX-License-Identifier: Apache-2.0
#include "digest/DigestUpdate.h"

#include <cstring>

void Md5Fold(Md5Context* ctx, const unsigned char* data, int32_t length)
{
    uint32_t position = ctx->count[1];
    if (length > 0) {
        // A stray position from a context fed by Md5Update would write past the buffer.
        position &= 0x3f;
        int32_t remaining = length;
        while (remaining > 0) {
            const int32_t room = 64 - static_cast<int32_t>(position);
            const int32_t chunk = remaining < room ? remaining : room;
            int32_t i = 0;
            // Whole 8-byte words first; the result is the bytewise XOR either way.
            for (; i + 8 <= chunk; i += 8) {
                uint64_t into, from;
                std::memcpy(&into, ctx->buffer + position + i, 8);
                std::memcpy(&from, data + i, 8);
                into ^= from;
                std::memcpy(ctx->buffer + position + i, &into, 8);
            }
            for (; i < chunk; ++i)
                ctx->buffer[position + i] ^= data[i];
            position += static_cast<uint32_t>(chunk);
            if (position == 64)
                position = 0;
            data += chunk;
            remaining -= chunk;
        }
    }
    ctx->count[0] += static_cast<uint32_t>(length);
    ctx->count[1] = position;
}

void DigestUpdate(int mode, Md5Context* ctx, const unsigned char* data, int32_t length)
{
    if (mode == DigestModeMd5) {
        if (length > 0)
            Md5Update(ctx, data, static_cast<uint32_t>(length));
    } else if (mode == DigestModeFold) {
        Md5Fold(ctx, data, length);
    }
}
