// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FUZZ_REVERSIBLETEXTREADER_H
#define QUORLITH_FUZZ_REVERSIBLETEXTREADER_H

#include <string>

// What a reader of the text and CSV reports does to get a name's bytes back, from the manual page's
// description: left to right, \\ is a backslash, \xNN (upper-case hex) the byte NN, \u{XXXX} (four
// or five upper-case hex digits) the UTF-8 bytes of that code point, and every other character itself.
// false when a backslash starts none of these.
bool ReadReversibleText(const std::string& text, std::string* bytes);

// The same text with each \\ read as a backslash and every other escape left as it stands: what a
// line meant only for the eye shows of the same bytes. false as above.
bool ReadBackslashesOnly(const std::string& text, std::string* shown);

#endif
