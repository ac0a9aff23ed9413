// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_ASCIITEXT_H
#define QUORLITH_ENGINE_ASCIITEXT_H

#include <string>

// Case and digits of format bytes, file extensions and report fields, the same in every locale:
// only 'a' to 'z' and 'A' to 'Z' change case, only '0' to '9' are digits, and every other byte is
// left as it is. The C library's <cctype> functions follow the user's locale instead (under tr_TR
// toupper('i') is not 'I'), so nothing that decides a verdict may use them.

inline char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string AsciiUpper(std::string text);
std::string AsciiLower(std::string text);

// A whole text of decimal digits (no sign, no space) whose value is at most maximum; false otherwise.
bool ParseAsciiDecimal(const std::string& text, long maximum, long* value);

#endif
