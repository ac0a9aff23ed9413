// SPDX-License-Identifier: Apache-2.0
#include "QuorlithBuild.h"
#include "QuorlithVersion.h"
#include "cli/CommandLineParser.h"
#include "cli/ExistingReport.h"
#include "cli/ExitStatus.h"
#include "cli/FlushError.h"
#include "cli/LoadedReport.h"
#include "cli/RunKeySets.h"
#include "cli/RunRecord.h"
#include "cli/StopSignals.h"
#include "cli/VerificationCommand.h"
#include "engine/CryptoLibrarySetup.h"
#include "platform/Console.h"
#include "platform/ReadOnlyFile.h"
#include "platform/SystemError.h"
#include "verdict/FolderHolding.h"
#include "verdict/KeySetFacts.h"
#include "verdict/SelfTest.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Help and version go to standard output like a report, and fail like one when it refuses them.
int Shown(FILE* out)
{
    const int error = FlushError(out);
    if (error == 0)
        return kAllAuthentic;
    std::fprintf(stderr, "quorlith-verify: the output could not be written (%s)\n",
                 SystemErrorText(error).c_str());
    return kIncomplete;
}

} // namespace

int main(int argc, char** argv)
{
    PrepareStandardStreams();
    if (!SetUpCryptoLibrary()) {
        std::fputs("quorlith-verify: the crypto library could not be set up\n", stderr);
        return kIncomplete;
    }
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    std::vector<const char*> argumentTexts;
    for (const std::string& argument : arguments)
        argumentTexts.push_back(argument.c_str());
    CommandLineOptions options;
    std::string error;
    if (!CommandLineParser::Parse(static_cast<int>(argumentTexts.size()), argumentTexts.data(), &options,
                                  &error)) {
        std::fprintf(stderr, "quorlith-verify: %s\nTry 'quorlith-verify --help' for more information.\n",
                     error.c_str());
        return kUsageError;
    }
    switch (options.action) {
    case CommandLineOptions::Action::ShowHelp:
        std::fputs(CommandLineParser::HelpText().c_str(), stdout);
        return Shown(stdout);
    case CommandLineOptions::Action::ShowVersion:
        std::puts("quorlith-verify " QUORLITH_VERSION);
        std::printf("Key fingerprint (SHA-256 of the built-in key set): %s\n",
                    BuiltInKeySet().fingerprint.c_str());
        return Shown(stdout);
    case CommandLineOptions::Action::Verify:
    case CommandLineOptions::Action::ListKeys:
        break;
    }
    LoadedKeySets keySets;
    if (!LoadRunKeySets(options, &keySets, &error)) {
        std::fprintf(stderr, "quorlith-verify: %s\nTry 'quorlith-verify --help' for more information.\n",
                     error.c_str());
        return kUsageError;
    }
    PrintKeySetProblems(keySets, stderr);
    if (options.action == CommandLineOptions::Action::ListKeys) {
        PrintKeySets(keySets, stdout);
        return Shown(stdout);
    }
    SetProgramKeySets(std::move(keySets));
    if (options.runRecord) {
        std::fputs(RunRecordLine(QUORLITH_VERSION, QUORLITH_SOURCE_REVISION, std::time(nullptr),
                                 ReportKeySetsOf(ProgramKeySets()))
                       .c_str(),
                   stdout);
        const int error = FlushError(stdout);
        if (error != 0) {
            std::fprintf(stderr, "quorlith-verify: the output could not be written (%s)\n",
                         SystemErrorText(error).c_str());
            return kIncomplete;
        }
    }
    for (const auto& exhibit : options.caseDetails.exhibitPaths) {
        FileStatus status;
        if (StatusOfPath(exhibit.second.c_str(), true, &status) != 0) {
            std::fprintf(stderr,
                         "quorlith-verify: the path '%s' of the exhibit '%s' does not exist\nTry "
                         "'quorlith-verify --help' for more information.\n",
                         exhibit.second.c_str(), exhibit.first.c_str());
            return kUsageError;
        }
    }
    // A report vouches for the tool too: each computation a verdict rests on must first give its known
    // answer, or no file is verified.
    if (!options.reportPath.empty()) {
        const SelfTestOutcome selfTest = RunSelfTest();
        if (!selfTest.passed) {
            std::fprintf(stderr,
                         "quorlith-verify: the self-test failed (%s): no file was verified and no report "
                         "written\n",
                         selfTest.failed.c_str());
            return kIncomplete;
        }
    }
    // Qt's GUI libraries come with the report module, loaded only when a report is asked for.
    std::unique_ptr<LoadedReport> report;
    if (!options.reportPath.empty()) {
        std::string reason;
        report = LoadedReport::Start(QUORLITH_VERSION, static_cast<int>(argumentTexts.size()),
                                     argumentTexts.data(), options.paths, options.caseDetails,
                                     ReportKeySetsOf(ProgramKeySets()), &reason);
        if (!report) {
            std::fprintf(stderr, "quorlith-verify: the PDF report '%s' cannot be written: %s\n",
                         options.reportPath.c_str(), reason.c_str());
            return kIncomplete;
        }
        // A forensic record is never replaced unasked, and that too is found before the first file.
        const std::string existing = ExistingReportFile(options.reportPath);
        if (!options.overwrite && !existing.empty()) {
            std::fprintf(
                stderr,
                "quorlith-verify: '%s' exists already; give --overwrite to replace the report and its "
                "SHA-256 file\nTry 'quorlith-verify --help' for more information.\n",
                existing.c_str());
            return kUsageError;
        }
        // Found now, not after hours of verification: the report's folder must take a new file.
        if (!report->CanCreateBeside(options.reportPath, &reason)) {
            std::fprintf(stderr,
                         "quorlith-verify: the PDF report '%s' cannot be created in its folder: %s\n"
                         "Try 'quorlith-verify --help' for more information.\n",
                         options.reportPath.c_str(), reason.c_str());
            return kUsageError;
        }
        const std::string holding = GivenFolderHolding(options.reportPath, options.paths);
        if (!holding.empty())
            std::fprintf(
                stderr,
                "quorlith-verify: warning: the PDF report '%s' lies in '%s', a folder being verified\n",
                options.reportPath.c_str(), holding.c_str());
    }
    VerificationCommand::AlsoReport alsoReport;
    if (report)
        alsoReport = [&report](const VerificationResult& result) { report->Add(result); };
    StopSignals::Install();
    bool reportSaved = false;
    bool reportFailed = false;
    // Written before the summary line, which a signal during the report leaves out as any other.
    const auto writeReport = [&](const std::vector<SkippedEntry>& skipped) {
        report->VerificationEnded();
        if (options.rehash)
            report->RehashAtReportTime();
        report->LeftOut(skipped);
        std::string reason;
        reportSaved = report->Save(options.reportPath, &reason, [] { return StopSignals::Received() == 0; });
        // Without a reason the report was dropped for a signal, which is told below.
        if (reportSaved && !report->MissingCharacters().empty())
            std::fprintf(
                stderr,
                "quorlith-verify: the PDF report shows characters that none of its fonts can draw in "
                "their escaped form: %s\n",
                report->MissingCharacters().c_str());
        if (!reportSaved && !reason.empty()) {
            std::fprintf(stderr, "quorlith-verify: the PDF report '%s' could not be written: %s\n",
                         options.reportPath.c_str(), reason.c_str());
            reportFailed = true;
        }
        std::string digest;
        if (reportSaved && !report->Seal(options.reportPath, &digest, &reason)) {
            // A report without its digest beside it is not left behind: both are written or neither.
            const bool removed = std::remove(options.reportPath.c_str()) == 0;
            std::fprintf(
                stderr,
                "quorlith-verify: the SHA-256 of the PDF report '%s'%s%s could not be written beside "
                "it: %s; %s\n",
                options.reportPath.c_str(), digest.empty() ? "" : ", ", digest.c_str(), reason.c_str(),
                removed ? "the report was removed" : "the report could not be removed either");
            reportSaved = false;
            reportFailed = true;
        } else if (reportSaved) {
            // The examiner notes this digest in the case file: it proves the report unchanged later.
            std::fprintf(stderr,
                         "quorlith-verify: PDF report '%s' written, SHA-256 %s (also in '%s.sha256')\n",
                         options.reportPath.c_str(), digest.c_str(), options.reportPath.c_str());
        }
    };
    VerificationCommand::BeforeSummary beforeSummary;
    if (report)
        beforeSummary = writeReport;
    const VerificationCommand::Outcome outcome =
        VerificationCommand::Run(options, stdout, stderr, IsTerminal(stderr) ? stderr : nullptr, alsoReport,
                                 StopSignals::Received, beforeSummary);
    int status = outcome.status;
    if (reportFailed)
        status = kIncomplete;
    if (report && !outcome.complete) {
        // A report on part of the files would count them as if they were all.
        std::fprintf(stderr,
                     "quorlith-verify: the PDF report '%s' was not written: the run did not complete\n",
                     options.reportPath.c_str());
    }
    // A signal that came after the last file, while the report was laid out, still ends the program
    // with the signal's status.
    const int signal = StopSignals::Received();
    if (outcome.complete && signal != 0) {
        std::fprintf(stderr, "quorlith-verify: interrupted by %s after the last file%s\n",
                     StopSignals::Name(signal),
                     report && !reportSaved ? "; the PDF report was not written" : "");
        status = SignalExitStatus(signal);
    }
    return status;
}
