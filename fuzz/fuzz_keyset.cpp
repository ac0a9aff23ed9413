// SPDX-License-Identifier: Apache-2.0
// The key file reader never takes a malformed file, and takes every well-formed one with exactly its
// fields: its answer is compared with a second reading of the format, written here apart from it.
// A taken file then makes a key set or is refused with words, and never crashes.
#include "engine/KeySet.h"
#include "engine/KeySetText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

bool Space(char c)
{
    return c == ' ' || c == '\t';
}

bool HexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

struct Expected
{
    bool wellFormed = false;
    std::map<std::string, std::string> fields;
};

// The format as its documentation states it.
Expected ReadAsDocumented(const std::string& text)
{
    Expected expected;
    if (text.find('\0') != std::string::npos)
        return expected;
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    bool headerSeen = false;
    for (std::string l : lines) {
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        bool blank = true;
        for (const char c : l)
            blank = blank && Space(c);
        if (blank || l[0] == '#')
            continue;
        if (!headerSeen) {
            if (l != "quorlith-key-set 1")
                return expected;
            headerSeen = true;
            continue;
        }
        const size_t colon = l.find(':');
        if (colon == std::string::npos)
            return expected;
        const std::string field = l.substr(0, colon);
        std::string value = l.substr(colon + 1);
        while (!value.empty() && Space(value.front()))
            value.erase(value.begin());
        while (!value.empty() && Space(value.back()))
            value.pop_back();
        if (field != "name" && field != "modulus" && field != "public-key-file" && field != "exponent" &&
            field != "hmac-key")
            return expected;
        if (expected.fields.count(field) || value.empty())
            return expected;
        for (const char c : value) {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                return expected;
        }
        if (field == "modulus" || field == "exponent" || field == "hmac-key") {
            for (const char c : value) {
                if (!HexDigit(c))
                    return expected;
            }
        }
        if (field == "public-key-file" &&
            (value.find('/') != std::string::npos || value.find('\\') != std::string::npos || value == "." ||
             value == ".."))
            return expected;
        expected.fields[field] = value;
    }
    const auto has = [&expected](const char* field) { return expected.fields.count(field) != 0; };
    expected.wellFormed = headerSeen && has("name") && has("hmac-key") &&
                          has("modulus") != has("public-key-file") &&
                          !(has("public-key-file") && has("exponent"));
    return expected;
}

std::vector<unsigned char> FromHex(const std::string& hex)
{
    std::vector<unsigned char> bytes;
    const std::string even = hex.size() % 2 ? "0" + hex : hex;
    for (size_t i = 0; i < even.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::stoi(even.substr(i, 2), nullptr, 16)));
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    KeySetText parsed;
    int line = -1;
    std::string error;
    const int ret = ReadKeySetText(text, &parsed, &line, &error);
    const Expected expected = ReadAsDocumented(text);
    Require((ret == 0) == expected.wellFormed, "the reader takes exactly the well-formed files");
    if (ret != 0) {
        Require(!error.empty() && line >= 0, "a refusal says where and why");
        return 0;
    }
    Require(parsed.name == expected.fields.at("name"), "name");
    Require(parsed.hmacKey == FromHex(expected.fields.at("hmac-key")), "HMAC key");
    Require(expected.fields.count("modulus") ? parsed.modulus == FromHex(expected.fields.at("modulus"))
                                             : parsed.publicKeyFile == expected.fields.at("public-key-file"),
            "public key");
    const std::vector<unsigned char> exponent = expected.fields.count("exponent")
                                                    ? FromHex(expected.fields.at("exponent"))
                                                    : std::vector<unsigned char>{0x01, 0x00, 0x01};
    Require(parsed.exponent == exponent, "exponent, 65537 when none is given");
    if (!parsed.modulus.empty()) {
        KeySet set;
        const int made =
            MakeKeySet(parsed.name, parsed.modulus, parsed.exponent, parsed.hmacKey, &set, &error);
        Require(made == 0 ? set.fingerprint.size() == 64 : !error.empty(),
                "a set is made or refused with words");
    }
    return 0;
}
