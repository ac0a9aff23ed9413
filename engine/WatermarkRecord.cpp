// SPDX-License-Identifier: Apache-2.0
#include "engine/WatermarkRecord.h"

const char* const kWatermarkMarker = "Trevalon Digital Watermark";

std::string FindValue(const std::string& text, const std::string& key)
{
    // The key may stand anywhere, not only at a line start, and its first occurrence wins, even
    // inside an earlier value: records already in evidence were read this way.
    const std::string::size_type keyAt = text.find(key);
    if (keyAt == std::string::npos)
        return std::string();
    const std::string::size_type start = keyAt + key.size();
    const std::string::size_type end = text.find("\r\n", start);
    if (end == std::string::npos)
        return std::string();
    return text.substr(start, end - start);
}

int ParseRecord(WatermarkRecord* record, const std::string& text)
{
    record->Marker = FindValue(text, "");
    record->Version = FindValue(text, "Version: ");
    record->HMAC = FindValue(text, "HMAC: ");
    record->StartTime = FindValue(text, "StartTime: ");
    record->EndTime = FindValue(text, "EndTime: ");
    record->TimeSource = FindValue(text, "TimeSource: ");
    record->RCSerial = FindValue(text, "RCSerial: ");
    record->CamMAC = FindValue(text, "CamMAC: ");
    return record->Marker == kWatermarkMarker ? 0 : -1;
}
