// SPDX-License-Identifier: Apache-2.0
#include "verdict/ChangedWhileRead.h"

bool ReadSawOneVersion(const FileSnapshot& before, const char* path)
{
    FileSnapshot after;
    return after.TakeOfPath(path) && after.SameFileAndState(before);
}

void FailAsChangedWhileRead(VerificationResult* result)
{
    result->authentic = false;
    result->reason = VerdictReason::Unreadable;
    result->reasonDetail = "the file changed while it was read";
}
