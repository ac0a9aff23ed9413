// SPDX-License-Identifier: Apache-2.0
#include "fuzz/CsvReader.h"

namespace {

// Reads one field at text[*at], leaving *at on what follows it.
bool ReadField(const std::string& text, size_t* at, std::string* field)
{
    field->clear();
    if (*at < text.size() && text[*at] == '"') {
        for (++*at;; ++*at) {
            if (*at >= text.size())
                return false;
            if (text[*at] != '"') {
                *field += text[*at];
                continue;
            }
            if (*at + 1 < text.size() && text[*at + 1] == '"') {
                *field += '"';
                ++*at;
                continue;
            }
            ++*at;
            return true;
        }
    }
    for (; *at < text.size() && text[*at] != ',' && text[*at] != '\r'; ++*at) {
        if (text[*at] == '"' || text[*at] == '\n')
            return false;
        *field += text[*at];
    }
    return true;
}

} // namespace

bool ReadCsv(const std::string& text, std::vector<std::vector<std::string>>* records)
{
    records->clear();
    size_t at = 0;
    while (at < text.size()) {
        records->emplace_back();
        for (;;) {
            std::string field;
            if (!ReadField(text, &at, &field))
                return false;
            records->back().push_back(field);
            if (at < text.size() && text[at] == ',') {
                ++at;
                continue;
            }
            if (text.compare(at, 2, "\r\n") != 0)
                return false;
            at += 2;
            break;
        }
    }
    return true;
}
