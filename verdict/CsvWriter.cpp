// SPDX-License-Identifier: Apache-2.0
#include "verdict/CsvWriter.h"

#include "verdict/CoverageJson.h"
#include "verdict/KeySetJson.h"
#include "verdict/TextEscaping.h"

void CsvWriter::Begin()
{
    std::string header =
        "path,authentic,reason,marker,version,hmac,start_time,end_time,time_source,rc_serial,"
        "cam_mac,digest_mode,size,coverage,key_set";
    if (withSha256)
        header += ",sha256";
    Emit(header + "\r\n");
}

void CsvWriter::Write(const VerificationResult& result)
{
    std::string row = CsvField(result.path);
    row += result.authentic ? ",true," : ",false,";
    row += ReasonCode(result.reason);
    for (const std::string* field : {&result.marker, &result.version, &result.hmac, &result.startTime,
                                     &result.endTime, &result.timeSource, &result.rcSerial, &result.camMac})
        row += ',' + CsvField(*field);
    row += ',' + (result.digestMode < 0 ? std::string() : std::to_string(result.digestMode));
    row += ',' + (result.file.size < 0 ? std::string() : std::to_string(result.file.size));
    row += ',' + (result.hasCoverage ? CsvQuoted(CoverageJson(result.coverage)) : std::string());
    row += ',' + (result.keySetFingerprint.empty() ? std::string() : CsvQuoted(KeySetJson(result)));
    if (withSha256)
        row += ',' + result.sha256;
    Emit(row + "\r\n");
}
