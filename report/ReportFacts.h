// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTFACTS_H
#define QUORLITH_REPORT_REPORTFACTS_H

#include "report/CaseDetails.h"

#include <QDateTime>
#include <QString>

// What a report says about its own making, beside the files.
struct ReportFacts
{
    QString programName; // the program's command name, e.g. "quorlith-verify"
    QString programVersion;
    QString computerName;
    QString keyFingerprint; // lower-case hex
    // A random UUID that names this report on every one of its pages.
    QString reportId;
    CaseDetails caseDetails;
    // Local times: when the verification of the report's files began and ended, and when the report
    // was written (set by the writer as it writes).
    QDateTime verificationStarted;
    QDateTime verificationEnded;
    QDateTime written;
};

// The facts of a report whose verification starts now, by the named program on this computer, with the
// fingerprint of the recorder key built into it.
ReportFacts ReportFactsNow(const QString& programName, const QString& programVersion);

#endif
