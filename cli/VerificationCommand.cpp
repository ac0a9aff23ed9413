// SPDX-License-Identifier: Apache-2.0
#include "cli/VerificationCommand.h"

#include "cli/DescriptorBudget.h"
#include "cli/OrderedParallelRunner.h"
#include "cli/ProgressBar.h"
#include "cli/TargetCollector.h"
#include "verdict/CsvWriter.h"
#include "verdict/FileVerifier.h"
#include "verdict/JsonLinesWriter.h"
#include "verdict/TextReportWriter.h"

#include <memory>
#include <thread>
#include <unistd.h>

namespace {

std::unique_ptr<ReportWriter> MakeWriter(const CommandLineOptions& options, FILE* out)
{
    switch (options.format) {
    case ReportFormat::JsonLines:
        return std::make_unique<JsonLinesWriter>(out, options.sha256);
    case ReportFormat::Csv:
        return std::make_unique<CsvWriter>(out, options.sha256);
    case ReportFormat::Text:
        break;
    }
    return std::make_unique<TextReportWriter>(out, options.sha256);
}

int JobCount(const CommandLineOptions& options)
{
    const unsigned processors = std::thread::hardware_concurrency();
    const int wanted = options.jobs > 0 ? options.jobs : processors > 0 ? static_cast<int>(processors) : 1;
    return JobsWithinDescriptorLimit(wanted);
}

} // namespace

int VerificationCommand::Run(const CommandLineOptions& options, FILE* out, FILE* progressTerminal,
                             const std::function<void(const VerificationResult&)>& alsoReport)
{
    const std::vector<VerificationTarget> targets = TargetCollector().Collect(options.paths);

    std::unique_ptr<ProgressBar> progressBar;
    if (progressTerminal != nullptr && targets.size() > 1) {
        int64_t totalBytes = 0;
        for (const VerificationTarget& target : targets)
            totalBytes += target.size;
        progressBar = std::make_unique<ProgressBar>(progressTerminal, static_cast<long long>(targets.size()),
                                                    totalBytes);
    }

    // The bar shares the screen with the report only when both go to a terminal.
    const bool reportOnTerminal = isatty(fileno(out)) != 0;
    const std::unique_ptr<ReportWriter> writer = MakeWriter(options, out);
    const FileVerifier verifier(options.sha256 || alsoReport);
    RunSummary summary;
    writer->Begin();
    OrderedParallelRunner::Run(
        targets, JobCount(options), [&](const VerificationTarget& target) { return verifier.Verify(target); },
        [&](const VerificationResult& result) {
            if (progressBar && reportOnTerminal)
                progressBar->Clear();
            writer->Write(result);
            if (alsoReport)
                alsoReport(result);
            summary.Count(result.authentic);
        },
        [&](long long filesDone, int64_t bytesDone) {
            if (!progressBar)
                return;
            std::fflush(out);
            progressBar->Update(filesDone, bytesDone);
        });
    if (progressBar)
        progressBar->Clear();
    writer->End(summary);
    std::fflush(out);
    return summary.failed == 0 ? 0 : 1;
}
