// SPDX-License-Identifier: Apache-2.0
#include "digest/HexText.h"

std::string LowerHex(const unsigned char* bytes, size_t length)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * length);
    for (size_t i = 0; i < length; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 0x0f];
    }
    return hex;
}
