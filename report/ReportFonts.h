// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTFONTS_H
#define QUORLITH_REPORT_REPORTFONTS_H

#include <QStringList>

// The families the report is set in: DejaVu for the Latin, Greek and Cyrillic scripts, then Noto CJK
// for Chinese, Japanese and Korean, in the regional form of the locale's language (Simplified Chinese
// forms elsewhere). Both come with the package's dependencies.
enum class ReportFace
{
    Serif,
    Sans,
    Mono,
};

QStringList ReportFamilies(ReportFace face);

// Every family of the three faces, the fonts the PDF may embed.
QStringList AllReportFamilies();

#endif
