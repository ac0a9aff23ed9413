// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_TRAILERBLOCK_H
#define QUORLITH_ENGINE_TRAILERBLOCK_H

#include <cstddef>

enum
{
    kTrailerBlockSize = 512,
    kMaxPlaintextSize = 512
};

// Opens a 512-byte watermark block with the built-in RSA public key and removes the PKCS #1
// v1.5 type 2 padding. Returns 0 and the plaintext (up to 512 bytes); nonzero on any failure,
// with *plaintextLength 0.
int OpenTrailer(const unsigned char block[kTrailerBlockSize], unsigned char plaintext[kMaxPlaintextSize],
                size_t* plaintextLength);

struct RsaPublicKey;

// The same with a key that is ready, such as a key set's; null opens nothing.
int OpenTrailerWithPublicKey(const RsaPublicKey* key, const unsigned char block[kTrailerBlockSize],
                             unsigned char plaintext[kMaxPlaintextSize], size_t* plaintextLength);

// The same with a caller's modulus and exponent texts (radix 16), for tests and the fuzzer.
int OpenTrailerWithKey(const char* modulusHex, const char* exponentHex,
                       const unsigned char block[kTrailerBlockSize],
                       unsigned char plaintext[kMaxPlaintextSize], size_t* plaintextLength);

#endif
