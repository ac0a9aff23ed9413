// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_CSVWRITER_H
#define QUORLITH_VERDICT_CSVWRITER_H

#include "verdict/ReportWriter.h"

// RFC 4180 CSV with a header row and CR LF line ends; the columns are the JSON keys, an absent
// value is an empty field and the coverage is its JSON object.
class CsvWriter : public ReportWriter
{
public:
    CsvWriter(FILE* out, bool withSha256) : ReportWriter(out), withSha256(withSha256) {}

    void Begin() override;
    void Write(const VerificationResult& result) override;

private:
    bool withSha256;
};

#endif
