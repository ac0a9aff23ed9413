// SPDX-License-Identifier: Apache-2.0
#include "verdict/TextReportWriter.h"

#include "verdict/PathText.h"
#include "verdict/TextEscaping.h"

namespace {

std::string ValueOrDash(const std::string& bytes)
{
    return bytes.empty() ? std::string("-") : ToReversibleText(bytes);
}

} // namespace

void TextReportWriter::Write(const VerificationResult& result)
{
    std::string line = result.authentic ? "Authentication succeeded" : "Authentication failed";
    line += "  " + ToReversiblePath(result.path, NativePathStyle());
    line += "  Start Time: " + ValueOrDash(result.startTime);
    line += "  Stop Time: " + ValueOrDash(result.endTime);
    line += "  Serial no: " + ValueOrDash(result.rcSerial);
    if (!result.keySetName.empty())
        line += "  Key: " + ToReversibleText(result.keySetName);
    if (!result.authentic) {
        const std::string words =
            result.reasonDetail.empty() ? ReasonWords(result.reason) : result.reasonDetail;
        line += "  Reason: " + ToDisplayText(words) + ".";
    }
    if (withSha256 && !result.sha256.empty())
        line += "  SHA-256: " + result.sha256;
    if (result.authentic && result.hasCoverage && result.coverage.partial)
        line += "  Partial coverage: the digest protects only " +
                std::to_string(result.coverage.protectedBytes) + " of the " +
                std::to_string(result.file.size) + " bytes of this file.";
    Emit(line + "\n");
}

void TextReportWriter::End(const RunSummary& summary)
{
    Emit("Total files: " + std::to_string(summary.total) + "  Authentication succeeded: " +
         std::to_string(summary.succeeded) + "  Authentication failed: " + std::to_string(summary.failed) +
         "  Succeeded, fully protected: " + std::to_string(summary.succeededWhole) +
         "  Succeeded, partly protected: " + std::to_string(summary.succeededPart) +
         "  Succeeded, nothing protected: " + std::to_string(summary.succeededNone) + "\n");
}
