// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_KEYFINGERPRINT_H
#define QUORLITH_ENGINE_KEYFINGERPRINT_H

#include <string>

// The fingerprint of the built-in recorder key, so that a report names the key that opened its
// watermarks: SHA-256 of the modulus as 256 big-endian bytes, in 64 lower-case hex digits. Empty when
// the modulus cannot be read, which a build with a valid modulus file never gives.
std::string RecorderKeyFingerprint();

#endif
