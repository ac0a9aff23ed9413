// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_BYTEORDER_H
#define QUORLITH_DIGEST_BYTEORDER_H

#include <cstdint>

// 32-bit words read from bytes in a stated order, whatever the machine's own: MD5 and RIFF store
// the low byte first, MP4 boxes the high byte first.
inline uint32_t LoadLittleEndian32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline uint32_t LoadBigEndian32(const unsigned char* p)
{
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

#endif
