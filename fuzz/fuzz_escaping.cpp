// SPDX-License-Identifier: Apache-2.0
// The escaping of names and record fields against readers written apart from it. The reversible form
// and a CSV field give the exact bytes back, so two different byte strings never come out alike; the
// line for the eye is the same text with its backslashes bare; a JSON string reads back as the valid
// UTF-8 form of the bytes; base64 gives the bytes back. None of them lets a control character or one
// that shows nothing or reorders the text through raw. The first input byte splits the rest into two
// byte strings, compared with each other.
#include "fuzz/JsonReader.h"
#include "fuzz/ReversibleTextReader.h"
#include "fuzz/Utf8CodePoints.h"
#include "verdict/TextEscaping.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool holds, const char* what, const std::string& bytes)
{
    if (holds)
        return;
    std::fprintf(stderr, "escaping property failed: %s, for %zu bytes\n", what, bytes.size());
    abort();
}

// The characters the escaping promises never to let through raw: C0 and C1 controls, DEL, and the
// bidirectional, zero-width, invisible and separator characters it names.
bool ShowsNothingOrReorders(char32_t point)
{
    struct Range
    {
        char32_t first;
        char32_t last;
    };
    static const Range kNamed[] = {
        {0x00, 0x1F},     {0x7F, 0x9F},     {0x061C, 0x061C}, {0x200B, 0x200F},
        {0x2028, 0x202E}, {0x2060, 0x2064}, {0x2066, 0x2069}, {0xFEFF, 0xFEFF},
    };
    for (const Range& range : kNamed) {
        if (point >= range.first && point <= range.last)
            return true;
    }
    return false;
}

bool ValidAndVisible(const std::string& text)
{
    std::vector<char32_t> points;
    if (!DecodeUtf8(text, &points))
        return false;
    for (const char32_t point : points) {
        if (ShowsNothingOrReorders(point))
            return false;
    }
    return true;
}

bool ValidUtf8(const std::string& text)
{
    std::vector<char32_t> points;
    return DecodeUtf8(text, &points);
}

// RFC 4648 base64 read back, strictly: at most two "=" and only at the end, else only the alphabet.
bool ReadBase64(const std::string& text, std::string* bytes)
{
    static const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    bytes->clear();
    if (text.size() % 4 != 0)
        return false;
    size_t padding = 0;
    while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=')
        ++padding;
    unsigned long group = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t value = i < text.size() - padding ? kAlphabet.find(text[i]) : 0;
        if (value == std::string::npos)
            return false;
        group = (group << 6) | value;
        if (i % 4 == 3) {
            const char three[] = {static_cast<char>(group >> 16), static_cast<char>(group >> 8),
                                  static_cast<char>(group)};
            bytes->append(three, i + 1 == text.size() ? 3 - padding : 3);
            group = 0;
        }
    }
    return true;
}

// The cell a spreadsheet shows for one CSV field as written alone: unquoted as RFC 4180 has it.
bool ReadCsvCell(const std::string& field, std::string* cell)
{
    cell->clear();
    if (field.empty() || field.front() != '"') {
        *cell = field;
        return field.find_first_of(",\"\r\n") == std::string::npos;
    }
    if (field.size() < 2 || field.back() != '"')
        return false;
    for (size_t i = 1; i + 1 < field.size(); ++i) {
        if (field[i] == '"' && (i + 2 >= field.size() || field[++i] != '"'))
            return false;
        *cell += field[i];
    }
    return true;
}

void CheckOne(const std::string& bytes)
{
    const std::string reversible = ToReversibleText(bytes);
    std::string back;
    Require(ReadReversibleText(reversible, &back) && back == bytes, "reversible text reads back", bytes);
    Require(ValidAndVisible(reversible), "reversible text shows every character", bytes);

    const std::string display = ToDisplayText(bytes);
    std::string shown;
    Require(ReadBackslashesOnly(reversible, &shown) && shown == display,
            "display text is the reversible text with bare backslashes", bytes);

    const std::string valid = ToValidUtf8(bytes);
    Require(ValidUtf8(valid), "valid UTF-8 form is valid", bytes);
    Require(ValidUtf8(bytes) == (valid == bytes), "valid UTF-8 is left as it is, and only that", bytes);

    const std::string json = JsonString(bytes);
    JsonValue value;
    Require(ReadJson(json, &value) && value.kind == JsonValue::Kind::String && value.text == valid,
            "JSON string reads back as the valid UTF-8 form", bytes);
    Require(ValidAndVisible(json), "JSON string shows every character", bytes);

    std::string decoded;
    Require(ReadBase64(Base64(bytes), &decoded) && decoded == bytes, "base64 reads back", bytes);

    const std::string field = CsvField(bytes);
    std::string cell;
    Require(ReadCsvCell(field, &cell), "CSV field is one RFC 4180 field", bytes);
    Require(cell.empty() || std::string("=+-@").find(cell.front()) == std::string::npos,
            "CSV cell never starts like a formula", bytes);
    // A reader drops exactly one leading "'" of a guarded cell.
    const std::string unguarded = !cell.empty() && cell.front() == '\'' ? cell.substr(1) : cell;
    Require(ReadReversibleText(unguarded, &back) && back == bytes, "CSV field reads back", bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = rest.empty() ? 0 : data[0] % (rest.size() + 1);
    const std::string first = rest.substr(0, split);
    const std::string second = rest.substr(split);
    CheckOne(first);
    CheckOne(second);
    if (first != second) {
        Require(ToReversibleText(first) != ToReversibleText(second), "two inputs, one reversible text", rest);
        Require(CsvField(first) != CsvField(second), "two inputs, one CSV field", rest);
        Require(Base64(first) != Base64(second), "two inputs, one base64 text", rest);
    }
    return 0;
}
