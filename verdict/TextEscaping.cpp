// SPDX-License-Identifier: Apache-2.0
#include "verdict/TextEscaping.h"

#include <openssl/evp.h>

#include <cstdio>

namespace {

void AppendByteEscape(std::string* out, unsigned char byte)
{
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    out->append(escape);
}

// Length of the valid UTF-8 sequence starting at bytes[i], or 0 when the byte there does not
// start one (RFC 3629: no overlong forms, no surrogates, nothing above U+10FFFF).
size_t ValidSequenceLength(const std::string& bytes, size_t i)
{
    const auto at = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    size_t length;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    if (at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (size_t k = 2; k < length; ++k) {
        if (at(i + k) < 0x80 || at(i + k) > 0xBF)
            return 0;
    }
    return length;
}

// The code point of the valid sequence of length bytes at bytes[i].
unsigned long CodePoint(const std::string& bytes, size_t i, size_t length)
{
    static const unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    unsigned long point = static_cast<unsigned char>(bytes[i]) & kLeadBits[length];
    for (size_t k = 1; k < length; ++k)
        point = (point << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
    return point;
}

// Characters that show nothing or change how the text around them is shown: C1 controls, the
// bidirectional controls (a right-to-left override makes "photo\u{202E}gpj.mp4" read as
// "photo4pm.jpg"), the line and paragraph separators, and every character Unicode marks as ignorable
// by default (zero-width characters, the soft hyphen, fillers, variation selectors, tags): each of
// these lets two names that differ print alike.
bool IsInvisibleOrReordering(unsigned long point)
{
    struct Range
    {
        unsigned long first;
        unsigned long last;
    };
    static const Range kRanges[] = {
        {0x0080, 0x009F}, {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x061C, 0x061C},   {0x115F, 0x1160},
        {0x17B4, 0x17B5}, {0x180B, 0x180F},   {0x200B, 0x200F},   {0x2028, 0x2029},   {0x202A, 0x202E},
        {0x2060, 0x206F}, {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},
        {0xFFF0, 0xFFFB}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    for (const Range& range : kRanges) {
        if (point >= range.first && point <= range.last)
            return true;
    }
    return false;
}

// Unicode's space separators (category Zs) other than U+0020: a no-break or thin space prints as a space,
// so "a b.jpg" and "a" U+00A0 "b.jpg" would read alike.
bool IsOtherSpace(unsigned long point)
{
    return point == 0x00A0 || point == 0x1680 || (point >= 0x2000 && point <= 0x200A) || point == 0x202F ||
           point == 0x205F || point == 0x3000;
}

void AppendCodePointEscape(std::string* out, unsigned long point)
{
    char escape[12];
    std::snprintf(escape, sizeof escape, "\\u{%04lX}", point);
    out->append(escape);
}

enum class Escape
{
    InvalidBytes,
    AndControls,
    AndBackslash
};

// Whether the byte is a whole character that goes out as it is: a name is mostly such bytes, and
// copying them in runs rather than one by one keeps a long run of names cheap.
bool PassesAsIs(unsigned char byte, Escape escape)
{
    if (byte >= 0x80)
        return false;
    if (escape == Escape::InvalidBytes)
        return true;
    if (byte < 0x20 || byte == 0x7F)
        return false;
    return escape != Escape::AndBackslash || byte != '\\';
}

std::string Sanitised(const std::string& bytes, Escape escape)
{
    std::string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        size_t runEnd = i;
        while (runEnd < bytes.size() && PassesAsIs(static_cast<unsigned char>(bytes[runEnd]), escape))
            ++runEnd;
        if (runEnd > i) {
            out.append(bytes, i, runEnd - i);
            i = runEnd;
            continue;
        }
        const size_t length = ValidSequenceLength(bytes, i);
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (length == 0 || (escape != Escape::InvalidBytes && (byte < 0x20 || byte == 0x7F))) {
            AppendByteEscape(&out, byte);
            ++i;
            continue;
        }
        if (escape != Escape::InvalidBytes && length > 1 &&
            (IsInvisibleOrReordering(CodePoint(bytes, i, length)) ||
             IsOtherSpace(CodePoint(bytes, i, length)))) {
            AppendCodePointEscape(&out, CodePoint(bytes, i, length));
            i += length;
            continue;
        }
        if (escape == Escape::AndBackslash && byte == '\\') {
            out += "\\\\";
            ++i;
            continue;
        }
        out.append(bytes, i, length);
        i += length;
    }
    return out;
}

// RFC 4180, 2.7: a quote inside a quoted field is doubled.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace

std::string ToValidUtf8(const std::string& bytes)
{
    return Sanitised(bytes, Escape::InvalidBytes);
}

std::string ToDisplayText(const std::string& bytes)
{
    return Sanitised(bytes, Escape::AndControls);
}

std::string ToReversibleText(const std::string& bytes)
{
    return Sanitised(bytes, Escape::AndBackslash);
}

std::string JsonString(const std::string& bytes)
{
    std::string out = "\"";
    const std::string text = ToValidUtf8(bytes);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const unsigned char byte = static_cast<unsigned char>(c);
        // The characters that show nothing or reorder the text are written as JSON escapes too, so
        // that a JSON line shown on a terminal or in an editor reads as the bytes it holds.
        const size_t length = ValidSequenceLength(text, i);
        const unsigned long point = length > 1 ? CodePoint(text, i, length) : 0;
        if (length > 1 && IsInvisibleOrReordering(point)) {
            // JSON's \u takes four digits: a character beyond U+FFFF goes as its UTF-16 surrogate pair.
            char escape[32];
            if (point > 0xFFFF) {
                const unsigned long offset = point - 0x10000;
                std::snprintf(escape, sizeof escape, "\\u%04lx\\u%04lx", 0xD800 + (offset >> 10),
                              0xDC00 + (offset & 0x3FF));
            } else {
                std::snprintf(escape, sizeof escape, "\\u%04lx", point);
            }
            out += escape;
            i += length - 1;
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escape[7];
                std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string Base64(const std::string& bytes)
{
    // OpenSSL's encoder, the crypto library the program already links for its key, not a second one.
    // One block call writes no line breaks, unlike the streaming encoder.
    std::string out((bytes.size() + 2) / 3 * 4 + 1, '\0');
    const int written =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(&out[0]),
                        reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    out.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return out;
}

bool StartsLikeFormula(const std::string& text)
{
    return !text.empty() && std::string("=+-@'").find(text.front()) != std::string::npos;
}

std::string CsvField(const std::string& bytes)
{
    const std::string text = ToReversibleText(bytes);
    if (!StartsLikeFormula(text))
        return CsvQuoted(text);
    return Quoted("'" + text);
}

std::string CsvQuoted(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    return Quoted(text);
}
