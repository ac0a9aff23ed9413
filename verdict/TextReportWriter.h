// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_TEXTREPORTWRITER_H
#define QUORLITH_VERDICT_TEXTREPORTWRITER_H

#include "verdict/ReportWriter.h"

// One line per file in the window's words (verdict, path, start and stop time, serial number,
// and for a failure the reason), then the status line's three counts.
class TextReportWriter : public ReportWriter
{
public:
    TextReportWriter(FILE* out, bool withSha256) : ReportWriter(out), withSha256(withSha256) {}

    void Write(const VerificationResult& result) override;
    void End(const RunSummary& summary) override;

private:
    bool withSha256;
};

#endif
