// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_VERDICTREASON_H
#define QUORLITH_VERDICT_VERDICTREASON_H

#include "engine/WatermarkVerifier.h"

#include <string>

// Why a file is not authentic, as the reports name it. None for an authentic file.
enum class VerdictReason
{
    None,
    NotFound,
    NotAFile,
    Unreadable,
    TooSmall,
    UnsupportedType,
    TrailerUnreadable,
    NoWatermark,
    BadMarker,
    UnsupportedVersion,
    ContainerInvalid,
    ContentMismatch,
    // The watermark block lies where another type of file keeps it: the name's ending is not the
    // content's type (a JPG renamed to .avi).
    OtherTypeContent,
    // The system, not the file, failed: no descriptors or memory left, an I/O error. Says nothing
    // about the evidence; checking again may succeed.
    SystemError,
    // Another program holds the file locked against reading (Windows). Says nothing about the evidence;
    // checking again once that program lets go may succeed.
    InUse,
    // A folder given to the command line holds no evidence file at all.
    NoEvidence,
};

// The engine's stopping step as a report reason. A failed Verify that names no step counts as unreadable.
VerdictReason ReasonFromEngine(VerifyFailure failure);

// The machine-readable code, e.g. "content-mismatch"; an empty text for None.
const char* ReasonCode(VerdictReason reason);

// The reason in plain words for the human-readable report.
const char* ReasonWords(VerdictReason reason);

// The words of no-watermark when other key sets than the built-in one were tried: they say how many.
std::string NoWatermarkWithKeySets(int tried);

#endif
