// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_HEXTEXT_H
#define QUORLITH_DIGEST_HEXTEXT_H

#include <cstddef>
#include <string>

// Bytes as lower-case hexadecimal digits, two a byte, the way digests are written and compared.
std::string LowerHex(const unsigned char* bytes, size_t length);

#endif
