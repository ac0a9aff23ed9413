// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_RSAPUBLICKEY_H
#define QUORLITH_ENGINE_RSAPUBLICKEY_H

#include <cstddef>

typedef struct evp_pkey_st EVP_PKEY;
struct RsaOperationPool;

enum
{
    kMinModulusBytes = 16,
    kMaxModulusBytes = 1024
};

// An RSA public key ready for the raw public operation, with its modulus as k big-endian bytes so
// that a block can be compared with it before the operation.
struct RsaPublicKey
{
    EVP_PKEY* key = nullptr;
    // Operation contexts kept for the next operation with this key, so that none is made per file.
    RsaOperationPool* pool = nullptr;
    size_t modulusBytes = 0;
    unsigned char modulus[kMaxModulusBytes] = {};
};

// Reads modulus and exponent as hexadecimal texts (radix 16, the whole text). Answers 0, or -1 for
// a text that is not a whole hexadecimal number, a negative or even modulus, a modulus outside
// 16..1024 bytes, or a key the crypto library refuses; the key is then left empty.
int ReadRsaPublicKey(const char* modulusHex, const char* exponentHex, RsaPublicKey* key);
// The same from big-endian byte strings.
int ReadRsaPublicKeyBytes(const unsigned char* modulus, size_t modulusLength, const unsigned char* exponent,
                          size_t exponentLength, RsaPublicKey* key);
void FreeRsaPublicKey(RsaPublicKey* key);


// out = in^e mod n, both k bytes big-endian, in below n. Answers 0 or -1. Safe from several threads
// at once: each operation borrows a context of the key's pool and gives it back.
int RsaPublicOperation(const RsaPublicKey& key, const unsigned char* in, unsigned char* out);

#endif
