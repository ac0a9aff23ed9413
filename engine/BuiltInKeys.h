// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_BUILTINKEYS_H
#define QUORLITH_ENGINE_BUILTINKEYS_H

#include <cstddef>

// The recorders' RSA public modulus as 512 upper-case hexadecimal digits, and its exponent.
extern const char* const kRecorderModulusHex;
extern const char* const kRecorderExponentHex;

enum
{
    kHmacKeyLength = 22
};

// Writes the built-in HMAC key into key; callers wipe it when done.
void AssembleHmacKey(unsigned char key[kHmacKeyLength]);

#endif
