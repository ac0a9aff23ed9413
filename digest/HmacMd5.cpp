// SPDX-License-Identifier: Apache-2.0
// HMAC-MD5, RFC 2104, with a key of at most one MD5 block.
#include "digest/HmacMd5.h"

#include "digest/Md5.h"
#include "digest/SecureWipe.h"

#include <cstring>

void HmacMd5(const unsigned char* key, size_t keyLength, const unsigned char* message, uint32_t length,
             unsigned char mac[16])
{
    unsigned char innerPad[64];
    unsigned char outerPad[64];
    std::memset(innerPad, 0, sizeof innerPad);
    if (keyLength > sizeof innerPad)
        keyLength = sizeof innerPad;
    std::memcpy(innerPad, key, keyLength);
    std::memcpy(outerPad, innerPad, sizeof outerPad);
    for (int i = 0; i < 64; ++i) {
        innerPad[i] ^= 0x36;
        outerPad[i] ^= 0x5c;
    }

    // Feeding the pad and the message as two updates gives the same digest as one update over a
    // joined copy, without an allocation that could fail.
    Md5Context ctx;
    Md5Init(&ctx);
    Md5Update(&ctx, innerPad, sizeof innerPad);
    Md5Update(&ctx, message, length);
    unsigned char inner[16];
    Md5Final(&ctx, inner);

    Md5Init(&ctx);
    Md5Update(&ctx, outerPad, sizeof outerPad);
    Md5Update(&ctx, inner, sizeof inner);
    Md5Final(&ctx, mac);

    SecureWipe(innerPad, sizeof innerPad);
    SecureWipe(outerPad, sizeof outerPad);
    SecureWipe(inner, sizeof inner);
}
