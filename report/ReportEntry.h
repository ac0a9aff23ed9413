// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTENTRY_H
#define QUORLITH_REPORT_REPORTENTRY_H

#include "verdict/FileStateCheck.h"
#include "verdict/VerificationResult.h"

// One file of a report: its result and whether the file was still as verified when it was added.
struct ReportEntry
{
    VerificationResult result;
    FileState state = FileState::NotRecorded;
};

#endif
