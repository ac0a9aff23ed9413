// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FUZZ_UTF8CODEPOINTS_H
#define QUORLITH_FUZZ_UTF8CODEPOINTS_H

#include <string>
#include <vector>

// UTF-8 as RFC 3629 has it, written for the fuzz targets apart from the program's own escaping, so that
// a target compares two readings of the text rather than one with itself.

// The code points of text; false when text is not valid UTF-8 (overlong forms, surrogates, beyond
// U+10FFFF, a sequence cut short).
bool DecodeUtf8(const std::string& text, std::vector<char32_t>* points);

// The UTF-8 bytes of one code point below U+110000.
std::string EncodeUtf8(char32_t point);

#endif
