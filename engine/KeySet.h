// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_KEYSET_H
#define QUORLITH_ENGINE_KEYSET_H

#include "engine/RsaPublicKey.h"

#include <cstddef>
#include <string>
#include <vector>

enum
{
    kMaxHmacKeyBytes =
        64 // one MD5 block: longer HMAC keys would be hashed first, which the format never does
};

// One recorder family's keys: the RSA public key that opens its watermark blocks and the HMAC key of
// its content digest, with the name a person gave them and where they came from. Made once, then read
// by every thread; the key material is wiped when the set goes.
struct KeySet
{
    std::string name;
    RsaPublicKey publicKey;
    std::vector<unsigned char> exponent; // big-endian, without leading zeros
    unsigned char hmacKey[kMaxHmacKeyBytes] = {};
    size_t hmacKeyLength = 0;
    // The built-in set assembles its HMAC key for each use and never keeps it.
    bool builtInHmac = false;
    // SHA-256 of the set's canonical encoding (KeySetFingerprint), 64 lower-case hex digits.
    std::string fingerprint;
    // Where the set came from: empty for the built-in one, else the key file's path and SHA-256.
    std::string file;
    std::string fileSha256;

    KeySet() = default;
    ~KeySet();
    KeySet(const KeySet&) = delete;
    KeySet& operator=(const KeySet&) = delete;
};

// Makes a set from its numbers: modulus and exponent big-endian (leading zeros ignored), an HMAC key
// of 1 to 64 bytes. Answers 0, or -1 with *error saying which part is unfit and why.
int MakeKeySet(const std::string& name, const std::vector<unsigned char>& modulus,
               const std::vector<unsigned char>& exponent, const std::vector<unsigned char>& hmacKey,
               KeySet* set, std::string* error);

// The fingerprint identifies a set without revealing its HMAC key: the SHA-256 of the ASCII text
// "quorlith-key-set 1" and a zero byte, then the modulus, the exponent (both big-endian without leading
// zeros) and the HMAC key, each as a 4-byte big-endian length and its bytes.
std::string KeySetFingerprint(const unsigned char* modulus, size_t modulusLength,
                              const unsigned char* exponent, size_t exponentLength,
                              const unsigned char* hmacKey, size_t hmacKeyLength);

// The set compiled into the program, named "Built-in"; it comes first in every key ring that has it.
const KeySet& BuiltInKeySet();

// Whether two sets open the same blocks: the same modulus and exponent.
bool SamePublicKey(const KeySet& a, const KeySet& b);

// Keys a content digest with the set's HMAC key, as the recorder does: HMAC-MD5 of the 16 bytes.
void KeyContentDigest(const KeySet& set, const unsigned char content[16], unsigned char mac[16]);

#endif
