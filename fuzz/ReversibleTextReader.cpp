// SPDX-License-Identifier: Apache-2.0
#include "fuzz/ReversibleTextReader.h"

#include "fuzz/Utf8CodePoints.h"

namespace {

int UpperHexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The number of upper-case hex digits at text[from], at most limit.
size_t HexDigitsAt(const std::string& text, size_t from, size_t limit)
{
    size_t count = 0;
    while (count < limit && from + count < text.size() && UpperHexValue(text[from + count]) >= 0)
        ++count;
    return count;
}

unsigned long HexValue(const std::string& text, size_t from, size_t count)
{
    unsigned long value = 0;
    for (size_t k = 0; k < count; ++k)
        value = value * 16 + static_cast<unsigned long>(UpperHexValue(text[from + k]));
    return value;
}

// Reads the escape at text[i], a backslash: its length, and what it stands for in *bytes. 0 when
// it is none.
size_t ReadEscape(const std::string& text, size_t i, std::string* bytes)
{
    if (i + 1 >= text.size())
        return 0;
    if (text[i + 1] == '\\') {
        *bytes = "\\";
        return 2;
    }
    if (text[i + 1] == 'x' && HexDigitsAt(text, i + 2, 2) == 2) {
        *bytes = std::string(1, static_cast<char>(HexValue(text, i + 2, 2)));
        return 4;
    }
    if (text.compare(i + 1, 2, "u{") != 0)
        return 0;
    const size_t digits = HexDigitsAt(text, i + 3, 5);
    if (digits < 4 || i + 3 + digits >= text.size() || text[i + 3 + digits] != '}')
        return 0;
    const unsigned long point = HexValue(text, i + 3, digits);
    if (point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    *bytes = EncodeUtf8(static_cast<char32_t>(point));
    return 4 + digits;
}

} // namespace

bool ReadReversibleText(const std::string& text, std::string* bytes)
{
    bytes->clear();
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '\\') {
            *bytes += text[i++];
            continue;
        }
        std::string meant;
        const size_t length = ReadEscape(text, i, &meant);
        if (length == 0)
            return false;
        *bytes += meant;
        i += length;
    }
    return true;
}

bool ReadBackslashesOnly(const std::string& text, std::string* shown)
{
    shown->clear();
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '\\') {
            *shown += text[i++];
            continue;
        }
        std::string meant;
        const size_t length = ReadEscape(text, i, &meant);
        if (length == 0)
            return false;
        *shown += text[i + 1] == '\\' ? meant : text.substr(i, length);
        i += length;
    }
    return true;
}
