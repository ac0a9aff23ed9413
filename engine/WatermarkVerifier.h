// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_WATERMARKVERIFIER_H
#define QUORLITH_ENGINE_WATERMARKVERIFIER_H

#include "engine/ContainerDigest.h"
#include "engine/WatermarkRecord.h"

#include <string>

// The step at which Verify stopped; None after a successful Verify or before any.
enum class VerifyFailure
{
    None,
    TooSmallOrMissing,
    UnsupportedType,
    TrailerUnreadable,
    TrailerNotOpened,
    WrongMarker,
    UnsupportedVersion,
    ContainerInvalid,
    ContentMismatch,
};

// Decides whether one evidence file is exactly as the recorder wrote it. Make a fresh one per file.
class WatermarkVerifier
{
public:
    // path: UTF-8, opened read-only. Answers 0 when the file is authentic, -1 otherwise.
    int Verify(const char* path);

    std::string GetMarker() const { return record.Marker; }
    std::string GetVersion() const { return record.Version; }
    std::string GetHMAC() const { return record.HMAC; }
    std::string GetStartTime() const { return record.StartTime; }
    std::string GetEndTime() const { return record.EndTime; }
    std::string GetTimeSource() const { return record.TimeSource; }
    std::string GetRCSerial() const { return record.RCSerial; }
    std::string GetCamMAC() const { return record.CamMAC; }

    VerifyFailure GetFailure() const { return failure; }
    // 0 for version "1.0", 1 for "1.1", -1 until the version was accepted.
    int GetDigestMode() const { return digestMode; }
    // Valid once the container was walked (hasRegion true).
    bool HasContentRegion() const { return hasRegion; }
    ContentRegion GetContentRegion() const { return region; }

private:
    int Fail(VerifyFailure reason);

    WatermarkRecord record;
    VerifyFailure failure = VerifyFailure::None;
    int digestMode = -1;
    bool hasRegion = false;
    ContentRegion region = {0, 0, 0};
};

#endif
