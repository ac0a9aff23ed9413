// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_TEXTESCAPING_H
#define QUORLITH_VERDICT_TEXTESCAPING_H

#include <string>

// Byte strings from file names and watermark records are not always valid UTF-8. Every report
// shows them as UTF-8 text in which each byte that is not part of a valid UTF-8 sequence is
// written as the four characters \xNN (upper-case hex).
std::string ToValidUtf8(const std::string& bytes);

// For one line of human-readable output: as ToValidUtf8, and control characters (a newline in a
// file name, say) also become \xNN so that one file stays one line. Characters that show nothing or
// change how the text around them is shown become \u{XXXX} (the four upper-case hex digits of
// the code point): C1 controls U+0080-U+009F; the bidirectional controls U+061C, U+200E, U+200F,
// U+202A-U+202E and U+2066-U+2069; the zero-width and invisible U+200B-U+200D, U+2060-U+2064 and
// U+FEFF; the separators U+2028 and U+2029; the spaces other than U+0020 (U+00A0, U+2000-U+200A, U+202F,
// U+3000 and the rest of Unicode's space separators). So "photo" U+202E "gpj.mp4" cannot read as
// "photo4pm.jpg", nor "zw" U+200B ".jpg" as "zw.jpg", nor "a" U+00A0 "b.jpg" as "a b.jpg".
std::string ToDisplayText(const std::string& bytes);

// For one line of output from which a reader takes back the exact bytes: as ToDisplayText, and a
// backslash becomes \\, so that a name holding the four characters \x0A and a name holding a
// newline do not come out alike. Reading left to right, \\ stands for a backslash, \xNN for the
// byte NN and \u{XXXX} for the UTF-8 bytes of the code point XXXX; every other character stands for
// itself.
std::string ToReversibleText(const std::string& bytes);

// A JSON string literal, quotes included, of ToValidUtf8(bytes). Control characters and the
// characters ToDisplayText writes as \u{XXXX} are JSON escapes (\u202e), so that a reader gets back
// the exact text and nothing that shows nothing or reorders reaches a terminal raw.
std::string JsonString(const std::string& bytes);

// RFC 4648 base64 (section 4, with padding) of the bytes.
std::string Base64(const std::string& bytes);

// Whether a spreadsheet would take a cell starting like text as a formula (OWASP, CSV injection: = + -
// @), or text starts with the "'" that marks a guarded cell, so that a guard stays reversible.
bool StartsLikeFormula(const std::string& text);

// One CSV field of a file name or a watermark record field: ToReversibleText(bytes), so that no
// control byte is written raw. A spreadsheet runs a cell that starts with = + - or @ as a formula
// (OWASP, CSV injection), so such a cell gets a "'" in front and is always quoted; a cell that
// already starts with "'" gets one too, so a reader drops exactly one leading "'". Otherwise
// quoted as CsvQuoted.
std::string CsvField(const std::string& bytes);

// One RFC 4180 field of text as it is: quoted when it holds a comma, a quote, CR or LF, with quotes
// doubled. For text this program forms itself, such as the coverage object.
std::string CsvQuoted(const std::string& text);

#endif
