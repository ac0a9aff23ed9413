// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTENTRY_H
#define QUORLITH_REPORT_REPORTENTRY_H

#include "verdict/FileStateCheck.h"
#include "verdict/VerificationResult.h"

#include <QDateTime>

#include <optional>
#include <string>

// One file of a report: its result, and whether the file was still as verified when the report was
// written, checked at stateChecked.
struct ReportEntry
{
    VerificationResult result;
    FileState state = FileState::NotRecorded;
    QDateTime stateChecked;
    // For a report of the window's list, whose files are verified again for it: the verdict the list
    // showed. Unset when the result is the run's own.
    std::optional<bool> listedAuthentic;
    // With --rehash: the file's SHA-256 computed again when the report was written; empty when it could
    // not be read then.
    std::optional<std::string> sha256AtReport;
};

#endif
