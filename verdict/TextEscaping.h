// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_TEXTESCAPING_H
#define QUORLITH_VERDICT_TEXTESCAPING_H

#include <string>

// Byte strings from file names and watermark records are not always valid UTF-8. Every report
// shows them as UTF-8 text in which each byte that is not part of a valid UTF-8 sequence is
// written as the four characters \xNN (upper-case hex).
std::string ToValidUtf8(const std::string& bytes);

// For one line of human-readable output: as ToValidUtf8, and control characters (a newline in a
// file name, say) also become \xNN so that one file stays one line.
std::string ToDisplayText(const std::string& bytes);

// A JSON string literal, quotes included, of ToValidUtf8(bytes).
std::string JsonString(const std::string& bytes);

// One RFC 4180 field of ToValidUtf8(bytes): quoted when it holds a comma, a quote, CR or LF, with
// quotes doubled.
std::string CsvField(const std::string& bytes);

#endif
