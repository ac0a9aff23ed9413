// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_HMACMD5_H
#define QUORLITH_DIGEST_HMACMD5_H

#include <cstddef>
#include <cstdint>

// HMAC-MD5 (RFC 2104) of message under a caller's key of at most 64 bytes (one MD5 block).
void HmacMd5(const unsigned char* key, size_t keyLength, const unsigned char* message, uint32_t length,
             unsigned char mac[16]);

#endif
