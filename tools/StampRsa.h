// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TOOLS_STAMPRSA_H
#define QUORLITH_TOOLS_STAMPRSA_H

#include <cstddef>
#include <string>

typedef struct evp_pkey_st EVP_PKEY;

// The recorder's RSA key pair from a PEM file, through OpenSSL, sharing nothing with the engine's key.
// Null when the file cannot be read or holds no RSA private key. Free with FreeStampKey.
EVP_PKEY* LoadStampKey(const std::string& keyPemPath);
void FreeStampKey(EVP_PKEY* key);

// The modulus length in bytes; the modulus itself as that many big-endian bytes (0 or -1).
size_t StampKeyBytes(EVP_PKEY* key);
int StampKeyModulus(EVP_PKEY* key, unsigned char* out, size_t length);

// The raw RSA operations, no padding, on blocks of the modulus length: in^d mod n (private) and
// in^e mod n (public). 0 or -1.
int RawRsaPrivate(EVP_PKEY* key, const unsigned char* in, unsigned char* out);
int RawRsaPublic(EVP_PKEY* key, const unsigned char* in, unsigned char* out);

#endif
