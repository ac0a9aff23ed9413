// SPDX-License-Identifier: Apache-2.0
#include "engine/AsciiText.h"

std::string AsciiUpper(std::string text)
{
    for (char& c : text)
        c = AsciiUpper(c);
    return text;
}

std::string AsciiLower(std::string text)
{
    for (char& c : text)
        c = AsciiLower(c);
    return text;
}

bool ParseAsciiDecimal(const std::string& text, long maximum, long* value)
{
    if (text.empty() || maximum < 0)
        return false;
    long result = 0;
    for (const char c : text) {
        if (!IsAsciiDigit(c))
            return false;
        const long digit = c - '0';
        if (result > (maximum - digit) / 10)
            return false;
        result = result * 10 + digit;
    }
    *value = result;
    return true;
}
