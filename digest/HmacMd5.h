// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_HMACMD5_H
#define QUORLITH_DIGEST_HMACMD5_H

#include <cstddef>
#include <cstdint>

// HMAC-MD5 (RFC 2104) with the recorders' built-in key.
void HmacMd5(const unsigned char* message, uint32_t length, unsigned char mac[16]);

// The same construction with a caller's key of at most 64 bytes; HmacMd5 is this with the
// built-in key, and the RFC 2202 vectors reach it here.
void HmacMd5WithKey(const unsigned char* key, size_t keyLength, const unsigned char* message, uint32_t length,
                    unsigned char mac[16]);

#endif
