// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_LEFTOUTLIST_H
#define QUORLITH_REPORT_LEFTOUTLIST_H

#include "verdict/SkippedEntry.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// One line of the report's appendix of what the folder search left out: an entry's path, or the count
// of the files of one ending when there are many.
struct LeftOutLine
{
    QString what; // the path in the report's escaping, or "412 entries ending in .txt"
    SkippedEntry::Why why = SkippedEntry::Why::NotEvidence;
    long long count = 0; // 0: what names one entry
};

class LeftOutList
{
    Q_DECLARE_TR_FUNCTIONS(ReportLeftOut)

public:
    // More files than this of one ending that is no evidence type are counted, not listed.
    static constexpr int kListedPerEnding = 10;

    // The lines in the order of the entries: each hidden entry and link, each file that is no evidence
    // type, except that the files of an ending with more than kListedPerEnding of them make one line,
    // where the first of them stands.
    static std::vector<LeftOutLine> Lines(const std::vector<SkippedEntry>& skipped);
    // Why an entry was not taken, in words.
    static QString Why(SkippedEntry::Why why);
};

#endif
