// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_HEXTEXT_H
#define QUORLITH_DIGEST_HEXTEXT_H

#include <cstddef>
#include <string>
#include <vector>

// Bytes as lower-case hexadecimal digits, two a byte, the way digests are written and compared.
std::string LowerHex(const unsigned char* bytes, size_t length);

// Reads a whole text of hexadecimal digits, in either case, into bytes, the first digit the highest;
// an odd count reads as if a 0 stood first. False, with bytes empty, for an empty text or any other
// character.
bool ReadHexBytes(const std::string& text, std::vector<unsigned char>* bytes);

#endif
