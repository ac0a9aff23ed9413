// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_LEFTOUTLIST_H
#define QUORLITH_REPORT_LEFTOUTLIST_H

#include "verdict/SkippedEntry.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// One line of the report's appendix of what the folder search left out: an entry's path and why.
struct LeftOutLine
{
    QString what; // the path in the report's escaping
    QString why;
};

class LeftOutList
{
    Q_DECLARE_TR_FUNCTIONS(ReportLeftOut)

public:
    // One line for every entry, in the order of the entries: each is named, however many share an
    // ending, so that a file of any name can be found in the appendix.
    static std::vector<LeftOutLine> Lines(const std::vector<SkippedEntry>& skipped);
    // Why an entry was not taken, in words; for a hidden folder with what it holds.
    static QString Why(const SkippedEntry& entry);
};

#endif
