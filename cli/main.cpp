// SPDX-License-Identifier: Apache-2.0
#include "cli/CommandLineParser.h"
#include "cli/CommandLineReport.h"
#include "cli/VerificationCommand.h"
#include "engine/KeyFingerprint.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    CommandLineOptions options;
    std::string error;
    if (!CommandLineParser::Parse(argc, argv, &options, &error)) {
        std::fprintf(stderr, "quorlith-verify: %s\nTry 'quorlith-verify --help' for more information.\n",
                     error.c_str());
        return 2;
    }
    switch (options.action) {
    case CommandLineOptions::Action::ShowHelp:
        std::fputs(CommandLineParser::HelpText().c_str(), stdout);
        return 0;
    case CommandLineOptions::Action::ShowVersion:
        std::puts("quorlith-verify " QUORLITH_VERSION);
        std::printf("Key fingerprint (SHA-256 of the built-in recorder modulus): %s\n",
                    RecorderKeyFingerprint().c_str());
        return 0;
    case CommandLineOptions::Action::Verify:
        break;
    }
    std::unique_ptr<CommandLineReport> report;
    if (!options.reportPath.empty())
        report = std::make_unique<CommandLineReport>(QUORLITH_VERSION);
    std::function<void(const VerificationResult&)> alsoReport;
    if (report)
        alsoReport = [&report](const VerificationResult& result) { report->Add(result); };
    int status =
        VerificationCommand::Run(options, stdout, isatty(STDERR_FILENO) ? stderr : nullptr, alsoReport);
    // A report cut short (a full disk, a closed pipe) must not end in the status of success.
    if (std::ferror(stdout)) {
        std::fputs("quorlith-verify: the report could not be written in full\n", stderr);
        status = 1;
    }
    if (report && !report->Save(options.reportPath, &error)) {
        std::fprintf(stderr, "quorlith-verify: the PDF report '%s' could not be written: %s\n",
                     options.reportPath.c_str(), error.c_str());
        status = 1;
    }
    return status;
}
