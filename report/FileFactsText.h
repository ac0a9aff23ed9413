// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_FILEFACTSTEXT_H
#define QUORLITH_REPORT_FILEFACTSTEXT_H

#include "verdict/VerificationResult.h"

#include <QCoreApplication>
#include <QString>

// What a file's block of the report says about how its digest is made and about the file as the
// system kept it, in the installed translation; names reach the text through the reversible escaping.
class FileFactsText
{
    Q_DECLARE_TR_FUNCTIONS(ReportFileFacts)

public:
    // The keyed content digest the record's version sets, by name.
    static QString DigestAlgorithm(int digestMode);
    // The digest computed from the file, or why there is none.
    static QString ComputedDigest(const VerificationResult& result);
    // A time in UTC to the millisecond, "2026-03-14 09:15:02.123"; "-" for a time not known.
    static QString UtcTime(int64_t nanoseconds);
    // "1000 (alice)", the number alone when the system knows no name for it.
    static QString Owner(int64_t ownerId);
    // "0644 (-rw-r--r--)", with the set-user-id, set-group-id and sticky bits as ls shows them.
    static QString Permissions(int permissions);
};

#endif
