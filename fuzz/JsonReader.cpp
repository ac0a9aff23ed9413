// SPDX-License-Identifier: Apache-2.0
#include "fuzz/JsonReader.h"

#include "fuzz/Utf8CodePoints.h"

namespace {

class Reader
{
public:
    explicit Reader(const std::string& text) : text(text) {}

    bool Value(JsonValue* value, int depth);
    bool AtEnd() const { return at == text.size(); }

private:
    bool Take(char c)
    {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    bool Word(const char* word)
    {
        const std::string expected(word);
        if (text.compare(at, expected.size(), expected) != 0)
            return false;
        at += expected.size();
        return true;
    }
    bool Digits()
    {
        const size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at > from;
    }
    bool Number(std::string* number);
    bool Hex4(unsigned long* value);
    bool String(std::string* bytes);
    bool Array(JsonValue* value, int depth);
    bool Object(JsonValue* value, int depth);

    const std::string& text;
    size_t at = 0;
};

bool Reader::Number(std::string* number)
{
    const size_t from = at;
    Take('-');
    if (Take('0')) {
        if (at < text.size() && text[at] >= '0' && text[at] <= '9')
            return false;
    } else if (!Digits()) {
        return false;
    }
    if (Take('.') && !Digits())
        return false;
    if (Take('e') || Take('E')) {
        if (!Take('+'))
            Take('-');
        if (!Digits())
            return false;
    }
    *number = text.substr(from, at - from);
    return true;
}

bool Reader::Hex4(unsigned long* value)
{
    *value = 0;
    for (int k = 0; k < 4; ++k, ++at) {
        if (at >= text.size())
            return false;
        const char c = text[at];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        *value = *value * 16 + static_cast<unsigned long>(digit);
    }
    return true;
}

bool Reader::String(std::string* bytes)
{
    bytes->clear();
    if (!Take('"'))
        return false;
    for (;;) {
        if (at >= text.size())
            return false;
        const unsigned char c = static_cast<unsigned char>(text[at++]);
        if (c == '"')
            return true;
        if (c < 0x20)
            return false;
        if (c != '\\') {
            *bytes += static_cast<char>(c);
            continue;
        }
        if (at >= text.size())
            return false;
        const char escape = text[at++];
        const std::string simple = "\"\\/bfnrt";
        const std::string meant = "\"\\/\b\f\n\r\t";
        if (simple.find(escape) != std::string::npos) {
            *bytes += meant[simple.find(escape)];
            continue;
        }
        unsigned long unit;
        if (escape != 'u' || !Hex4(&unit))
            return false;
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            unsigned long low;
            if (!Word("\\u") || !Hex4(&low) || low < 0xDC00 || low > 0xDFFF)
                return false;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        *bytes += EncodeUtf8(static_cast<char32_t>(unit));
    }
}

bool Reader::Array(JsonValue* value, int depth)
{
    value->kind = JsonValue::Kind::Array;
    if (Take(']'))
        return true;
    do {
        value->items.emplace_back();
        if (!Value(&value->items.back(), depth + 1))
            return false;
    } while (Take(','));
    return Take(']');
}

bool Reader::Object(JsonValue* value, int depth)
{
    value->kind = JsonValue::Kind::Object;
    if (Take('}'))
        return true;
    do {
        std::string key;
        if (!String(&key) || !Take(':'))
            return false;
        value->members.emplace_back(key, JsonValue());
        if (!Value(&value->members.back().second, depth + 1))
            return false;
    } while (Take(','));
    return Take('}');
}

bool Reader::Value(JsonValue* value, int depth)
{
    *value = JsonValue();
    if (depth > 16 || at >= text.size())
        return false;
    const char c = text[at];
    if (c == '"') {
        value->kind = JsonValue::Kind::String;
        return String(&value->text);
    }
    if (Take('['))
        return Array(value, depth);
    if (Take('{'))
        return Object(value, depth);
    if (Word("null"))
        return true;
    if (Word("true") || Word("false")) {
        value->kind = JsonValue::Kind::Boolean;
        value->boolean = c == 't';
        return true;
    }
    value->kind = JsonValue::Kind::Number;
    return Number(&value->text);
}

} // namespace

bool ReadJson(const std::string& text, JsonValue* value)
{
    Reader reader(text);
    std::vector<char32_t> points;
    return DecodeUtf8(text, &points) && reader.Value(value, 0) && reader.AtEnd();
}
