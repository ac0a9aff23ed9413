// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTFACTS_H
#define QUORLITH_REPORT_REPORTFACTS_H

#include <QDateTime>
#include <QString>

// What a report says about its own making, beside the files.
struct ReportFacts
{
    QString programName; // the program's command name, e.g. "quorlith-verify"
    QString programVersion;
    QString computerName;
    QString keyFingerprint; // lower-case hex
    QDateTime made;         // local time
};

// The facts of a report made now by the named program on this computer, with the fingerprint of the
// recorder key built into it.
ReportFacts ReportFactsNow(const QString& programName, const QString& programVersion);

#endif
