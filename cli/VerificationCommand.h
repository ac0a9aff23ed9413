// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_VERIFICATIONCOMMAND_H
#define QUORLITH_CLI_VERIFICATIONCOMMAND_H

#include "cli/CommandLineOptions.h"
#include "cli/ExitStatus.h"
#include "verdict/SkippedEntry.h"

#include "verdict/VerificationResult.h"
#include "verdict/VerificationTarget.h"

#include <cstdio>
#include <functional>
#include <vector>

// One verification run as the command line asked for it: collect the targets, verify them in
// parallel, write the report to out in input order, show a progress bar on progressTerminal
// (null for none), and hand every result in the same order to alsoReport when given (with its
// SHA-256 computed whether or not the output shows it).
//
// Every line is flushed as it is written. When out refuses one, the run stops starting files, writes
// nothing more to out and says why on errors. When interruption names a signal, the run stops starting
// files, writes the results of those already started, leaves out the summary and says on errors how
// far it got. The progress bar is taken off the line either way.
class VerificationCommand
{
public:
    using AlsoReport = std::function<void(const VerificationResult&)>;
    // The number of a signal that asks the run to stop, 0 while none does. Asked from every thread
    // of the run, so it must be quick and thread-safe.
    using Interruption = std::function<int()>;

    struct Outcome
    {
        // An ExitStatus, or SignalExitStatus of the signal that stopped the run.
        int status = kAllAuthentic;
        // Every file's result was written: neither a signal nor the output cut the run short.
        bool complete = true;
        // The entries of the folders given that the search did not take, and why.
        std::vector<SkippedEntry> skipped;
    };

    // Called once every file's result is written and before the summary, with the entries the search did
    // not take: the PDF report is written there, so that a signal during it leaves the summary out.
    using BeforeSummary = std::function<void(const std::vector<SkippedEntry>&)>;

    static Outcome Run(const CommandLineOptions& options, FILE* out, FILE* errors, FILE* progressTerminal,
                       const AlsoReport& alsoReport = {}, const Interruption& interruption = {},
                       const BeforeSummary& beforeSummary = {});

    // The same over targets already collected.
    static Outcome RunTargets(const std::vector<VerificationTarget>& targets,
                              const CommandLineOptions& options, FILE* out, FILE* errors,
                              FILE* progressTerminal, const AlsoReport& alsoReport = {},
                              const Interruption& interruption = {},
                              const std::function<void()>& beforeSummary = {});
};

#endif
