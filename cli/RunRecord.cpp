// SPDX-License-Identifier: Apache-2.0
#include "cli/RunRecord.h"

#include "cli/RunKeySets.h"
#include "verdict/TextEscaping.h"

namespace {

// Called once, before any worker starts, so the C library's shared result of std::gmtime is safe here;
// gmtime_r is POSIX only.
std::string UtcText(std::time_t when)
{
    char text[32] = {};
    const std::tm* parts = std::gmtime(&when);
    if (parts == nullptr || std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", parts) == 0)
        return std::string();
    return text;
}

std::string KeySetsJson(const ReportKeySets& keySets)
{
    std::string json = "[";
    for (const KeySetFacts& set : keySets.sets) {
        if (json.size() > 1)
            json += ',';
        json += "{\"name\":" + JsonString(set.name) + ",\"fingerprint\":" + JsonString(set.fingerprint) +
                ",\"source\":" + JsonString(KeySetSourceWords(set.source)) +
                ",\"file\":" + (set.file.empty() ? std::string("null") : JsonString(set.file)) +
                ",\"file_sha256\":" +
                (set.fileSha256.empty() ? std::string("null") : JsonString(set.fileSha256)) +
                ",\"modulus_bits\":" + std::to_string(set.modulusBits) + "}";
    }
    return json + "]";
}

} // namespace

std::string RunRecordLine(const char* version, const char* sourceRevision, std::time_t started,
                          const ReportKeySets& keySets)
{
    return "{\"run\":{\"program\":\"quorlith-verify\",\"version\":" + JsonString(version) +
           ",\"source_revision\":" + JsonString(sourceRevision) +
           ",\"started\":" + JsonString(UtcText(started)) + ",\"key_sets\":" + KeySetsJson(keySets) + "}}\n";
}
