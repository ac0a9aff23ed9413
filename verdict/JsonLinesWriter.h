// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_JSONLINESWRITER_H
#define QUORLITH_VERDICT_JSONLINESWRITER_H

#include "verdict/ReportWriter.h"

// JSON Lines: one object per file, keys in a fixed order, no summary.
class JsonLinesWriter : public ReportWriter
{
public:
    JsonLinesWriter(FILE* out, bool withSha256) : ReportWriter(out), withSha256(withSha256) {}

    void Write(const VerificationResult& result) override;

private:
    bool withSha256;
};

#endif
