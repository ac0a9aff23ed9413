// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_VERIFICATIONTARGET_H
#define QUORLITH_VERDICT_VERIFICATIONTARGET_H

#include "verdict/VerdictReason.h"

#include <cstdint>
#include <string>

// One entry of a run: a path to verify, or a problem found while searching folders (an unreadable
// folder or entry, a folder loop, a system failure, a folder with no evidence file) that the reports
// list like a failed file.
struct VerificationTarget
{
    std::string path;
    int64_t size = 0; // as seen while collecting; for the progress figures only
    VerdictReason problem = VerdictReason::None;
    std::string problemDetail;
};

#endif
