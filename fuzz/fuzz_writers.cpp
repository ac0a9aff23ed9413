// SPDX-License-Identifier: Apache-2.0
// The JSON Lines and CSV writers against readers written apart from them: a result made of fuzzed
// bytes is written by each, read back with a strict JSON or RFC 4180 reader, and every field must come
// back as the writer's escaping defines it: names and record fields as their valid UTF-8 form in JSON,
// with the exact bytes of a path that is not UTF-8 in path_base64, and as their exact bytes in CSV
// once the reversible escaping and a formula guard are undone.
#include "fuzz/CsvReader.h"
#include "fuzz/JsonReader.h"
#include "fuzz/ReversibleTextReader.h"
#include "verdict/CoverageJson.h"
#include "verdict/CsvWriter.h"
#include "verdict/JsonLinesWriter.h"
#include "verdict/TextEscaping.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const VerdictReason kLastReason = VerdictReason::NoEvidence;
const CoverageNote::Kind kLastNoteKind = CoverageNote::Kind::FoldStriped;

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "writer property failed: %s\n", what);
    abort();
}

std::string Bytes(FuzzedDataProvider* input)
{
    return input->ConsumeRandomLengthString(64);
}

int64_t Count(FuzzedDataProvider* input)
{
    return input->ConsumeIntegralInRange<int64_t>(-1, INT64_MAX);
}

VerificationResult MadeResult(FuzzedDataProvider* input, bool* withSha256)
{
    VerificationResult result;
    *withSha256 = input->ConsumeBool();
    result.path = Bytes(input);
    result.authentic = input->ConsumeBool();
    result.reason = result.authentic ? VerdictReason::None
                                     : static_cast<VerdictReason>(input->ConsumeIntegralInRange<int>(
                                           0, static_cast<int>(kLastReason)));
    for (std::string* field : {&result.marker, &result.version, &result.hmac, &result.startTime,
                               &result.endTime, &result.timeSource, &result.rcSerial, &result.camMac})
        *field = Bytes(input);
    result.digestMode = input->ConsumeIntegralInRange<int>(-1, 1);
    result.file.size = Count(input);
    result.hasCoverage = input->ConsumeBool();
    if (result.hasCoverage) {
        result.coverage.protectedBytes = Count(input);
        for (int i = input->ConsumeIntegralInRange<int>(0, 3); i > 0; --i)
            result.coverage.unprotectedRanges.emplace_back(Count(input), Count(input));
        for (int i = input->ConsumeIntegralInRange<int>(0, 3); i > 0; --i) {
            CoverageNote note;
            note.kind = static_cast<CoverageNote::Kind>(
                input->ConsumeIntegralInRange<int>(0, static_cast<int>(kLastNoteKind)));
            for (int64_t* number : {&note.first, &note.last, &note.count, &note.kept, &note.index})
                *number = Count(input);
            result.coverage.notes.push_back(note);
        }
    }
    // A key set's name is a person's text; its fingerprint is computed: lower-case hex, or none opened.
    if (input->ConsumeBool()) {
        result.keySetName = Bytes(input);
        static const char kHexDigits[] = "0123456789abcdef";
        for (int i = 0; i < 64; ++i)
            result.keySetFingerprint += kHexDigits[input->ConsumeIntegralInRange<int>(0, 15)];
    }
    // The digest is computed, never read from the file: lower-case hex or nothing.
    if (input->ConsumeBool()) {
        static const char kHex[] = "0123456789abcdef";
        for (int i = 0; i < 64; ++i)
            result.sha256 += kHex[input->ConsumeIntegralInRange<int>(0, 15)];
    }
    return result;
}

template <typename Writer> std::string Written(const VerificationResult& result, bool withSha256)
{
    char* buffer = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&buffer, &length);
    if (!out)
        abort();
    {
        Writer writer(out, withSha256);
        writer.Begin();
        writer.Write(result);
        writer.End(RunSummary());
    }
    fclose(out);
    const std::string text(buffer, length);
    free(buffer);
    return text;
}

std::string NumberOrEmpty(int64_t number)
{
    return number < 0 ? std::string() : std::to_string(number);
}

void RequireJsonNumber(const JsonValue& value, int64_t number, const char* what)
{
    if (number < 0)
        Require(value.kind == JsonValue::Kind::Null, what);
    else
        Require(value.kind == JsonValue::Kind::Number && value.text == std::to_string(number), what);
}

void RequireJsonText(const JsonValue& value, const std::string& bytes, const char* what)
{
    Require(value.kind == JsonValue::Kind::String && value.text == ToValidUtf8(bytes), what);
}

// The coverage object, read back: the same figures and the notes in their English words.
void RequireCoverage(const JsonValue& value, const Coverage& coverage)
{
    Require(value.kind == JsonValue::Kind::Object && value.members.size() == 3, "coverage is an object");
    Require(value.members[0].first == "protected_bytes" && value.members[1].first == "unprotected_ranges" &&
                value.members[2].first == "notes",
            "coverage keys");
    const JsonValue& protectedBytes = value.members[0].second;
    Require(protectedBytes.kind == JsonValue::Kind::Number &&
                protectedBytes.text == std::to_string(coverage.protectedBytes),
            "protected bytes");
    const JsonValue& ranges = value.members[1].second;
    Require(ranges.items.size() == coverage.unprotectedRanges.size(), "range count");
    for (size_t i = 0; i < ranges.items.size(); ++i) {
        const JsonValue& range = ranges.items[i];
        Require(range.kind == JsonValue::Kind::Array && range.items.size() == 2 &&
                    range.items[0].text == std::to_string(coverage.unprotectedRanges[i].first) &&
                    range.items[1].text == std::to_string(coverage.unprotectedRanges[i].second),
                "unprotected range");
    }
    const JsonValue& notes = value.members[2].second;
    Require(notes.items.size() == coverage.notes.size(), "note count");
    for (size_t i = 0; i < notes.items.size(); ++i)
        RequireJsonText(notes.items[i], CoverageNoteText(coverage.notes[i]), "coverage note");
}

// The key set object, read back: the name as the writer's escaping defines it and the fingerprint.
void RequireKeySet(const JsonValue& value, const VerificationResult& result)
{
    if (result.keySetFingerprint.empty()) {
        Require(value.kind == JsonValue::Kind::Null, "no key set");
        return;
    }
    Require(value.kind == JsonValue::Kind::Object && value.members.size() == 2 &&
                value.members[0].first == "name" && value.members[1].first == "fingerprint",
            "key set keys");
    RequireJsonText(value.members[0].second, result.keySetName, "key set name");
    RequireJsonText(value.members[1].second, result.keySetFingerprint, "key set fingerprint");
}

void CheckJson(const VerificationResult& result, bool withSha256)
{
    const std::string line = Written<JsonLinesWriter>(result, withSha256);
    Require(!line.empty() && line.back() == '\n' && line.find('\n') == line.size() - 1,
            "one JSON line per result");
    JsonValue object;
    Require(ReadJson(line.substr(0, line.size() - 1), &object) && object.kind == JsonValue::Kind::Object,
            "the line is one JSON object");
    static const char* const kKeys[] = {"path",        "path_base64",
                                        "authentic",   "reason",
                                        "marker",      "marker_base64",
                                        "version",     "version_base64",
                                        "hmac",        "hmac_base64",
                                        "start_time",  "start_time_base64",
                                        "end_time",    "end_time_base64",
                                        "time_source", "time_source_base64",
                                        "rc_serial",   "rc_serial_base64",
                                        "cam_mac",     "cam_mac_base64",
                                        "digest_mode", "size",
                                        "coverage",    "key_set",
                                        "sha256"};
    const size_t keyCount = withSha256 ? 25 : 24;
    Require(object.members.size() == keyCount, "key count");
    for (size_t i = 0; i < keyCount; ++i)
        Require(object.members[i].first == kKeys[i], "keys in their order");
    const auto value = [&object](size_t index) -> const JsonValue& { return object.members[index].second; };

    RequireJsonText(value(0), result.path, "path");
    const bool utf8 = ToValidUtf8(result.path) == result.path;
    if (utf8) {
        Require(value(1).kind == JsonValue::Kind::Null, "no path_base64 for a UTF-8 path");
    } else {
        const std::string encoded = Base64(result.path);
        Require(value(1).kind == JsonValue::Kind::String && value(1).text == encoded,
                "path_base64 holds the path's bytes");
    }
    Require(value(2).kind == JsonValue::Kind::Boolean && value(2).boolean == result.authentic, "authentic");
    if (result.authentic)
        Require(value(3).kind == JsonValue::Kind::Null, "no reason for an authentic file");
    else
        RequireJsonText(value(3), ReasonCode(result.reason), "reason");
    const std::string* fields[] = {&result.marker,  &result.version,    &result.hmac,     &result.startTime,
                                   &result.endTime, &result.timeSource, &result.rcSerial, &result.camMac};
    // Each record field is followed by its twin: null for UTF-8 bytes, else the bytes in base64.
    for (size_t i = 0; i < 8; ++i) {
        RequireJsonText(value(4 + 2 * i), *fields[i], "record field");
        const JsonValue& twin = value(5 + 2 * i);
        if (ToValidUtf8(*fields[i]) == *fields[i])
            Require(twin.kind == JsonValue::Kind::Null, "no twin for a UTF-8 field");
        else
            Require(twin.kind == JsonValue::Kind::String && twin.text == Base64(*fields[i]),
                    "the twin holds the field's bytes");
    }
    RequireJsonNumber(value(20), result.digestMode, "digest mode");
    RequireJsonNumber(value(21), result.file.size, "size");
    if (result.hasCoverage)
        RequireCoverage(value(22), result.coverage);
    else
        Require(value(22).kind == JsonValue::Kind::Null, "no coverage");
    RequireKeySet(value(23), result);
    if (withSha256) {
        if (result.sha256.empty())
            Require(value(24).kind == JsonValue::Kind::Null, "no sha256");
        else
            RequireJsonText(value(24), result.sha256, "sha256");
    }
}

// A name or record field's bytes from its CSV cell: one leading "'" dropped, then the reversible escaping.
std::string CsvBytes(const std::string& cell)
{
    std::string bytes;
    const std::string unguarded = !cell.empty() && cell.front() == '\'' ? cell.substr(1) : cell;
    Require(cell.empty() || std::string("=+-@").find(cell.front()) == std::string::npos,
            "no cell starts like a formula");
    Require(ReadReversibleText(unguarded, &bytes), "a cell reads back");
    return bytes;
}

void CheckCsv(const VerificationResult& result, bool withSha256)
{
    std::vector<std::vector<std::string>> records;
    Require(ReadCsv(Written<CsvWriter>(result, withSha256), &records), "the output is RFC 4180 CSV");
    Require(records.size() == 2, "a header and one row");
    const std::vector<std::string>& header = records[0];
    const std::vector<std::string>& row = records[1];
    Require(header.size() == (withSha256 ? 16u : 15u) && row.size() == header.size(), "column count");
    Require(header[0] == "path" && header[13] == "coverage" && header[14] == "key_set", "header");
    Require(CsvBytes(row[0]) == result.path, "path");
    Require(row[1] == (result.authentic ? "true" : "false"), "authentic");
    Require(row[2] == ReasonCode(result.reason), "reason");
    const std::string* fields[] = {&result.marker,  &result.version,    &result.hmac,     &result.startTime,
                                   &result.endTime, &result.timeSource, &result.rcSerial, &result.camMac};
    for (size_t i = 0; i < 8; ++i)
        Require(CsvBytes(row[3 + i]) == *fields[i], "record field");
    Require(row[11] == NumberOrEmpty(result.digestMode), "digest mode");
    Require(row[12] == NumberOrEmpty(result.file.size), "size");
    if (result.hasCoverage) {
        JsonValue coverage;
        Require(ReadJson(row[13], &coverage), "coverage cell is JSON");
        RequireCoverage(coverage, result.coverage);
    } else {
        Require(row[13].empty(), "no coverage");
    }
    if (result.keySetFingerprint.empty()) {
        Require(row[14].empty(), "no key set");
    } else {
        JsonValue keySet;
        Require(ReadJson(row[14], &keySet), "key set cell is JSON");
        RequireKeySet(keySet, result);
    }
    if (withSha256)
        Require(row[15] == result.sha256, "sha256");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    bool withSha256 = false;
    const VerificationResult result = MadeResult(&input, &withSha256);
    CheckJson(result, withSha256);
    CheckCsv(result, withSha256);
    return 0;
}
