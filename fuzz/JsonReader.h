// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FUZZ_JSONREADER_H
#define QUORLITH_FUZZ_JSONREADER_H

#include <string>
#include <utility>
#include <vector>

// One JSON value as RFC 8259 defines it. A number keeps its text; an object keeps its members in the
// order written, so that a target can check the order of the keys too.
struct JsonValue
{
    enum class Kind
    {
        Null,
        Boolean,
        Number,
        String,
        Array,
        Object
    };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text; // a string's UTF-8 bytes, or a number as written
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;
};

// Reads text, which must be exactly one JSON value with no white space around it, as the program
// writes its compact lines. Strict: a raw control character in a string, a lone surrogate escape, a
// number with leading zeros or anything after the value make it false.
bool ReadJson(const std::string& text, JsonValue* value);

#endif
