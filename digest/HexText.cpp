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

namespace {

// ASCII digits only, so that no locale's idea of a digit counts.
int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool ReadHexBytes(const std::string& text, std::vector<unsigned char>* bytes)
{
    bytes->clear();
    if (text.empty())
        return false;
    // An odd count of digits reads as if a 0 stood before the first.
    size_t at = 0;
    int high = 0;
    if (text.size() % 2 == 1) {
        high = HexValue(text[0]);
        if (high < 0)
            return false;
        bytes->push_back(static_cast<unsigned char>(high));
        at = 1;
    }
    for (; at < text.size(); at += 2) {
        high = HexValue(text[at]);
        const int low = HexValue(text[at + 1]);
        if (high < 0 || low < 0) {
            bytes->clear();
            return false;
        }
        bytes->push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return true;
}
