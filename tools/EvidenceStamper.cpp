// SPDX-License-Identifier: Apache-2.0
// The recorder's export step: record text, digest, seal and stamped copy.
#include "tools/EvidenceStamper.h"

#include "engine/AsciiText.h"

int MediaTypeFromPath(const std::string& path, MediaType* type)
{
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos)
        return -1;
    const std::string extension = AsciiLower(path.substr(dot + 1));
    if (extension == "jpg")
        *type = MediaType::Jpg;
    else if (extension == "avi")
        *type = MediaType::Avi;
    else if (extension == "mp4" || extension == "mxg")
        *type = MediaType::Mp4;
    else
        return -1;
    return 0;
}

std::string BuildRecordText(const StampRecord& record)
{
    const std::string lineEnd = "\r\n";
    return record.marker + lineEnd + "Version: " + record.version + lineEnd + "HMAC: " + record.hmac +
           lineEnd + "StartTime: " + record.startTime + lineEnd + "EndTime: " + record.endTime + lineEnd +
           "TimeSource: " + record.timeSource + lineEnd + "RCSerial: " + record.rcSerial + lineEnd +
           "CamMAC: " + record.camMac + lineEnd;
}

int StampEvidence(const std::string& keyPemPath, const StampRecord& record, const std::string& mediaPath,
                  const std::string& outPath)
{
    MediaType type;
    if (MediaTypeFromPath(mediaPath, &type) != 0)
        return -1;
    StampRecord sealed = record;
    if (sealed.hmac.empty()) {
        const int mode = record.version == "1.1" ? 1 : 0;
        if (ComputeEvidenceDigest(mediaPath, type, mode, &sealed.hmac, record.hmacKey) != 0)
            return -1;
    }
    unsigned char block[512];
    if (SealRecord(keyPemPath, BuildRecordText(sealed), block) != 0)
        return -1;
    return WriteStampedFile(mediaPath, type, block, outPath);
}
