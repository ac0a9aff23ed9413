// SPDX-License-Identifier: Apache-2.0
#include "cli/VerificationCommand.h"

#include "cli/DescriptorBudget.h"
#include "cli/FlushError.h"
#include "cli/LaneBatch.h"
#include "cli/OrderedParallelRunner.h"
#include "cli/ProgressBar.h"
#include "cli/StopSignals.h"
#include "cli/TargetCollector.h"
#include "digest/Md5LaneWidth.h"
#include "platform/Console.h"
#include "verdict/CsvWriter.h"
#include "verdict/JsonLinesWriter.h"
#include "verdict/TextEscaping.h"
#include "verdict/TextReportWriter.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

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

int JobsWanted(const CommandLineOptions& options)
{
    const unsigned processors = std::thread::hardware_concurrency();
    return options.jobs > 0 ? options.jobs : processors > 0 ? static_cast<int>(processors) : 1;
}

// The signal that asks the run to stop; 0 while none does or nobody listens for one.
int SignalOf(const VerificationCommand::Interruption& interruption)
{
    return interruption ? interruption() : 0;
}

const char* SkippedWhy(SkippedEntry::Why why)
{
    switch (why) {
    case SkippedEntry::Why::Hidden:
        return "hidden: its name starts with a dot";
    case SkippedEntry::Why::Link:
        return "a symbolic link, not followed";
    case SkippedEntry::Why::SearchedAlready:
        return "a folder given more than once or below another one given: its entries are taken once";
    case SkippedEntry::Why::GivenAgain:
        return "a file given more than once or also found in a folder given: verified and listed once";
    case SkippedEntry::Why::NotEvidence:
        break;
    }
    return "the name does not end in .jpg, .avi, .mp4 or .mxg";
}

bool IsRepeat(SkippedEntry::Why why)
{
    return why == SkippedEntry::Why::SearchedAlready || why == SkippedEntry::Why::GivenAgain;
}

} // namespace

VerificationCommand::Outcome VerificationCommand::Run(const CommandLineOptions& options, FILE* out,
                                                      FILE* errors, FILE* progressTerminal,
                                                      const AlsoReport& alsoReport,
                                                      const Interruption& interruption,
                                                      const BeforeSummary& beforeSummary)
{
    TargetCollector collector;
    // Sizes are looked up only for the progress bar's total.
    const std::vector<VerificationTarget> targets = collector.Collect(
        options.paths, progressTerminal != nullptr, [&] { return SignalOf(interruption) != 0; });
    // Whatever the output's form, a path given again is told about, so that one line fewer than paths
    // given is never a surprise.
    for (const SkippedEntry& entry : collector.Skipped()) {
        if (IsRepeat(entry.why))
            std::fprintf(errors, "quorlith-verify: %s: %s\n", ToDisplayText(entry.path).c_str(),
                         SkippedWhy(entry.why));
    }
    std::function<void()> before;
    if (beforeSummary)
        before = [&] { beforeSummary(collector.Skipped()); };
    Outcome outcome =
        RunTargets(targets, options, out, errors, progressTerminal, alsoReport, interruption, before);
    outcome.skipped = collector.Skipped();
    if (options.listSkipped && outcome.complete && SignalOf(interruption) == 0) {
        for (const SkippedEntry& entry : collector.Skipped()) {
            if (entry.evidenceInside >= 0)
                std::fprintf(out,
                             "Skipped  %s  (a hidden folder, not searched: its name starts with a dot; %lld "
                             "files below it have an evidence type's name)\n",
                             ToDisplayText(entry.path).c_str(), entry.evidenceInside);
            else
                std::fprintf(out, "Skipped  %s  (%s)\n", ToDisplayText(entry.path).c_str(),
                             SkippedWhy(entry.why));
        }
        const int error = FlushError(out);
        if (error != 0) {
            std::fprintf(errors, "quorlith-verify: the output could not be written (%s)\n",
                         std::strerror(error));
            outcome.status = kIncomplete;
            outcome.complete = false;
        }
    }
    return outcome;
}

VerificationCommand::Outcome VerificationCommand::RunTargets(const std::vector<VerificationTarget>& targets,
                                                             const CommandLineOptions& options, FILE* out,
                                                             FILE* errors, FILE* progressTerminal,
                                                             const AlsoReport& alsoReport,
                                                             const Interruption& interruption,
                                                             const std::function<void()>& beforeSummary)
{
    std::unique_ptr<ProgressBar> progressBar;
    if (progressTerminal != nullptr && targets.size() > 1) {
        int64_t totalBytes = 0;
        for (const VerificationTarget& target : targets)
            totalBytes += target.size;
        progressBar = std::make_unique<ProgressBar>(progressTerminal, static_cast<long long>(targets.size()),
                                                    totalBytes);
    }

    // The bar shares the screen with the report only when both go to a terminal.
    const bool reportOnTerminal = IsTerminal(out);
    const std::unique_ptr<ReportWriter> writer = MakeWriter(options, out);
    // Each job keeps a file in each MD5 lane, as many as the descriptors allow.
    const int openAtOnce = JobsWithinDescriptorLimit(JobsWanted(options) * Md5LaneWidth());
    const int jobs = std::min(JobsWanted(options), openAtOnce);
    const int filesPerJob = std::max(1, openAtOnce / jobs);
    const bool withSha256 = options.sha256 || alsoReport;
    RunSummary summary;
    bool systemFailed = false;
    // Results handed to out, the one it refused included.
    size_t handedOut = 0;
    writer->Begin();
    int writeError = FlushError(out);
    // Set on the delivering thread, read by the workers before each start.
    std::atomic<bool> outputFailed(writeError != 0);
    // Content bytes read of the files in work, so that the bar moves during a large file too.
    std::atomic<int64_t> readInWork(0);
    const size_t delivered = OrderedParallelRunner::Run(
        targets, jobs, filesPerJob,
        [&] {
            return std::unique_ptr<OrderedParallelRunner::Batch>(
                new LaneBatch(withSha256, filesPerJob, &readInWork));
        },
        [&](const VerificationResult& result) {
            if (outputFailed)
                return;
            if (progressBar && reportOnTerminal)
                progressBar->Clear();
            writer->Write(result);
            ++handedOut;
            writeError = FlushError(out);
            if (writeError != 0) {
                outputFailed = true;
                return;
            }
            if (alsoReport)
                alsoReport(result);
            summary.Count(result);
            systemFailed = systemFailed || result.reason == VerdictReason::SystemError ||
                           result.reason == VerdictReason::InUse;
        },
        [&](long long filesDone, int64_t bytesDone) {
            if (progressBar)
                progressBar->Update(filesDone, bytesDone + readInWork);
        },
        [&] { return outputFailed || SignalOf(interruption) != 0; });
    if (progressBar)
        progressBar->Clear();

    const int signal = SignalOf(interruption);
    bool summaryDue = signal == 0 && writeError == 0;
    if (summaryDue && beforeSummary) {
        beforeSummary();
        summaryDue = SignalOf(interruption) == 0;
    }
    if (summaryDue) {
        writer->End(summary);
        writeError = FlushError(out);
    }
    if (writeError != 0)
        std::fprintf(
            errors,
            "quorlith-verify: the output could not be written (%s); the run stopped after %zu of %zu files\n",
            std::strerror(writeError), handedOut, targets.size());
    if (signal != 0)
        std::fprintf(errors,
                     "quorlith-verify: interrupted by %s after %zu of %zu files; the output is incomplete\n",
                     StopSignals::Name(signal), delivered, targets.size());
    std::fflush(errors);

    Outcome outcome;
    outcome.complete = signal == 0 && writeError == 0;
    if (signal != 0)
        outcome.status = SignalExitStatus(signal);
    else if (writeError != 0 || systemFailed)
        outcome.status = kIncomplete;
    else if (summary.failed > 0)
        outcome.status = kNotAuthentic;
    return outcome;
}
