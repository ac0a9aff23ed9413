// SPDX-License-Identifier: Apache-2.0
#include "verdict/EngineResult.h"

#include "platform/ReadOnlyFile.h"
#include "verdict/SystemErrorDetail.h"
#include "verdict/VerdictReason.h"

namespace {

// The record counts as read once the engine got past opening the watermark block.
bool RecordWasRead(int verdict, VerifyFailure failure)
{
    switch (failure) {
    case VerifyFailure::None:
        return verdict == 0;
    case VerifyFailure::WrongMarker:
    case VerifyFailure::UnsupportedVersion:
    case VerifyFailure::ContainerInvalid:
    case VerifyFailure::ContentMismatch:
        return true;
    default:
        return false;
    }
}

} // namespace

void TakeEngineResult(const WatermarkVerifier& verifier, int verdict, VerificationResult* result)
{
    result->marker = verifier.GetMarker();
    result->version = verifier.GetVersion();
    result->hmac = verifier.GetHMAC();
    result->computedHmac = verifier.GetComputedHMAC();
    result->startTime = verifier.GetStartTime();
    result->endTime = verifier.GetEndTime();
    result->timeSource = verifier.GetTimeSource();
    result->rcSerial = verifier.GetRCSerial();
    result->camMac = verifier.GetCamMAC();
    result->digestMode = verifier.GetDigestMode();
    const KeySet* keySet = verifier.GetKeySet();
    result->keySetName = keySet ? keySet->name : std::string();
    result->keySetFingerprint = keySet ? keySet->fingerprint : std::string();
    result->keySetsTried = static_cast<int>(verifier.GetKeySetsTried());
    result->builtInKeySetOnly = verifier.TriedBuiltInSetOnly();

    result->hasCoverage = RecordWasRead(verdict, verifier.GetFailure());
    if (result->hasCoverage)
        result->coverage =
            verifier.HasContentRegion() && result->digestMode >= 0
                ? CoverageOfRegion(verifier.GetContentRegion(), result->digestMode, result->file.size)
                : CoverageWithoutContent(result->file.size);

    result->authentic = verdict == 0;
    result->reason = result->authentic ? VerdictReason::None : ReasonFromEngine(verifier.GetFailure());
    result->reasonDetail.clear();
    if (result->reason == VerdictReason::SystemError && verifier.GetSystemError() == kFileInUseError)
        result->reason = VerdictReason::InUse;
    else if (result->reason == VerdictReason::SystemError)
        result->reasonDetail = SystemErrorDetail(verifier.GetSystemError());
    else if (result->reason == VerdictReason::NoWatermark && !result->builtInKeySetOnly)
        result->reasonDetail = NoWatermarkWithKeySets(result->keySetsTried);
}
