// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_REPORTWRITER_H
#define QUORLITH_VERDICT_REPORTWRITER_H

#include "verdict/RunSummary.h"
#include "verdict/VerificationResult.h"

#include <cstdio>

// One output format. The run calls Begin once, Write once per file in input order, End once.
class ReportWriter
{
public:
    explicit ReportWriter(FILE* out) : out(out) {}
    virtual ~ReportWriter() = default;

    virtual void Begin() {}
    virtual void Write(const VerificationResult& result) = 0;
    virtual void End(const RunSummary& summary) { (void)summary; }

protected:
    void Emit(const std::string& text) { std::fwrite(text.data(), 1, text.size(), out); }

private:
    FILE* out;
};

#endif
