// SPDX-License-Identifier: Apache-2.0
#include "verdict/JsonLinesWriter.h"

#include "verdict/CoverageJson.h"
#include "verdict/KeySetJson.h"
#include "verdict/TextEscaping.h"

namespace {

// A field's text and, right after it, its twin "<name>_base64": null when the bytes are UTF-8, whose
// JSON text gives them back exactly, else the exact bytes in base64, since the text then shows a byte
// that is not UTF-8 as \xNN, as the four characters "\xNN" would also read. One rule for every field
// that holds bytes from a name or a record.
std::string BytesField(const char* name, const std::string& bytes)
{
    const bool utf8 = ToValidUtf8(bytes) == bytes;
    return "\"" + std::string(name) + "\":" + JsonString(bytes) + ",\"" + name +
           "_base64\":" + (utf8 ? std::string("null") : "\"" + Base64(bytes) + "\"");
}

} // namespace

void JsonLinesWriter::Write(const VerificationResult& result)
{
    std::string line = "{" + BytesField("path", result.path);
    line += std::string(",\"authentic\":") + (result.authentic ? "true" : "false");
    line += ",\"reason\":" + (result.authentic ? std::string("null") : JsonString(ReasonCode(result.reason)));
    line += "," + BytesField("marker", result.marker);
    line += "," + BytesField("version", result.version);
    line += "," + BytesField("hmac", result.hmac);
    line += "," + BytesField("start_time", result.startTime);
    line += "," + BytesField("end_time", result.endTime);
    line += "," + BytesField("time_source", result.timeSource);
    line += "," + BytesField("rc_serial", result.rcSerial);
    line += "," + BytesField("cam_mac", result.camMac);
    line += ",\"digest_mode\":" +
            (result.digestMode < 0 ? std::string("null") : std::to_string(result.digestMode));
    line += ",\"size\":" + (result.file.size < 0 ? std::string("null") : std::to_string(result.file.size));
    line += ",\"coverage\":" + (result.hasCoverage ? CoverageJson(result.coverage) : std::string("null"));
    line += ",\"key_set\":" + KeySetJson(result);
    if (withSha256)
        line += ",\"sha256\":" + (result.sha256.empty() ? std::string("null") : JsonString(result.sha256));
    line += "}\n";
    Emit(line);
}
