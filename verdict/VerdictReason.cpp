// SPDX-License-Identifier: Apache-2.0
#include "verdict/VerdictReason.h"

VerdictReason ReasonFromEngine(VerifyFailure failure)
{
    switch (failure) {
    case VerifyFailure::None:
        return VerdictReason::Unreadable;
    case VerifyFailure::TooSmallOrMissing:
        return VerdictReason::TooSmall;
    case VerifyFailure::UnsupportedType:
        return VerdictReason::UnsupportedType;
    case VerifyFailure::TrailerUnreadable:
        return VerdictReason::TrailerUnreadable;
    case VerifyFailure::TrailerNotOpened:
        return VerdictReason::NoWatermark;
    case VerifyFailure::WrongMarker:
        return VerdictReason::BadMarker;
    case VerifyFailure::UnsupportedVersion:
        return VerdictReason::UnsupportedVersion;
    case VerifyFailure::ContainerInvalid:
        return VerdictReason::ContainerInvalid;
    case VerifyFailure::ContentMismatch:
        return VerdictReason::ContentMismatch;
    case VerifyFailure::OtherTypeContent:
        return VerdictReason::OtherTypeContent;
    case VerifyFailure::SystemFailure:
        return VerdictReason::SystemError;
    }
    return VerdictReason::Unreadable;
}

const char* ReasonCode(VerdictReason reason)
{
    switch (reason) {
    case VerdictReason::None:
        return "";
    case VerdictReason::NotFound:
        return "not-found";
    case VerdictReason::NotAFile:
        return "not-a-file";
    case VerdictReason::Unreadable:
        return "unreadable";
    case VerdictReason::TooSmall:
        return "too-small";
    case VerdictReason::UnsupportedType:
        return "unsupported-type";
    case VerdictReason::TrailerUnreadable:
        return "trailer-unreadable";
    case VerdictReason::NoWatermark:
        return "no-watermark";
    case VerdictReason::BadMarker:
        return "bad-marker";
    case VerdictReason::UnsupportedVersion:
        return "unsupported-version";
    case VerdictReason::ContainerInvalid:
        return "container-invalid";
    case VerdictReason::ContentMismatch:
        return "content-mismatch";
    case VerdictReason::OtherTypeContent:
        return "other-type-content";
    case VerdictReason::SystemError:
        return "system-error";
    case VerdictReason::InUse:
        return "in-use";
    case VerdictReason::NoEvidence:
        return "no-evidence";
    }
    return "";
}

const char* ReasonWords(VerdictReason reason)
{
    switch (reason) {
    case VerdictReason::None:
        return "";
    case VerdictReason::NotFound:
        return "the file does not exist";
    case VerdictReason::NotAFile:
        return "this is not a regular file";
    case VerdictReason::Unreadable:
        return "the file cannot be read";
    case VerdictReason::TooSmall:
        return "the file is empty or too small to hold a watermark block";
    case VerdictReason::UnsupportedType:
        return "the name does not end in .jpg, .avi, .mp4 or .mxg";
    case VerdictReason::TrailerUnreadable:
        return "the watermark block cannot be read";
    case VerdictReason::NoWatermark:
        return "no watermark block opens with the built-in key";
    case VerdictReason::BadMarker:
        return "the watermark record has the wrong marker";
    case VerdictReason::UnsupportedVersion:
        return "the watermark record's version is neither 1.0 nor 1.1";
    case VerdictReason::ContainerInvalid:
        return "the media structure does not lead to its content";
    case VerdictReason::ContentMismatch:
        return "the content does not match the digest in the watermark";
    case VerdictReason::OtherTypeContent:
        return "the content is of another type than the name's ending says: the watermark block lies where "
               "another type of file keeps it";
    case VerdictReason::SystemError:
        return "the system failed while the file was checked; nothing is known about the file itself";
    case VerdictReason::InUse:
        return "another program holds the file locked, so it could not be read; nothing is known about the "
               "file itself";
    case VerdictReason::NoEvidence:
        return "the folder holds no file ending in .jpg, .avi, .mp4 or .mxg";
    }
    return "";
}

std::string NoWatermarkWithKeySets(int tried)
{
    return tried == 1
               ? std::string("no watermark block opens with the one key set tried")
               : "no watermark block opens with any of the " + std::to_string(tried) + " key sets tried";
}
