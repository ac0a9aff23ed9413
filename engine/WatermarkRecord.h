// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_WATERMARKRECORD_H
#define QUORLITH_ENGINE_WATERMARKRECORD_H

#include <string>

// The text record inside a watermark block: each field holds exactly the bytes found.
struct WatermarkRecord
{
    std::string Marker;
    std::string Version;
    std::string HMAC;
    std::string StartTime;
    std::string EndTime;
    std::string TimeSource;
    std::string RCSerial;
    std::string CamMAC;
};

extern const char* const kWatermarkMarker; // "Trevalon Digital Watermark"

// The bytes after the first occurrence of key up to the next CR LF pair; "" when either is missing.
std::string FindValue(const std::string& text, const std::string& key);

// Overwrites all eight fields from text; 0 when the marker line is right, -1 otherwise.
int ParseRecord(WatermarkRecord* record, const std::string& text);

#endif
