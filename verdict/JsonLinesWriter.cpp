// SPDX-License-Identifier: Apache-2.0
#include "verdict/JsonLinesWriter.h"

#include "verdict/CoverageJson.h"
#include "verdict/KeySetJson.h"
#include "verdict/TextEscaping.h"

void JsonLinesWriter::Write(const VerificationResult& result)
{
    std::string line = "{\"path\":" + JsonString(result.path);
    // "path" shows a byte that is not UTF-8 as \xNN, as a name could also spell it; the base64 form
    // holds such a path's exact bytes.
    const bool utf8 = ToValidUtf8(result.path) == result.path;
    line += ",\"path_base64\":" + (utf8 ? std::string("null") : "\"" + Base64(result.path) + "\"");
    line += std::string(",\"authentic\":") + (result.authentic ? "true" : "false");
    line += ",\"reason\":" + (result.authentic ? std::string("null") : JsonString(ReasonCode(result.reason)));
    line += ",\"marker\":" + JsonString(result.marker);
    line += ",\"version\":" + JsonString(result.version);
    line += ",\"hmac\":" + JsonString(result.hmac);
    line += ",\"start_time\":" + JsonString(result.startTime);
    line += ",\"end_time\":" + JsonString(result.endTime);
    line += ",\"time_source\":" + JsonString(result.timeSource);
    line += ",\"rc_serial\":" + JsonString(result.rcSerial);
    line += ",\"cam_mac\":" + JsonString(result.camMac);
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
