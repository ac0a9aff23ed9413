// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_VERIFICATIONCOMMAND_H
#define QUORLITH_CLI_VERIFICATIONCOMMAND_H

#include "cli/CommandLineOptions.h"

#include "verdict/VerificationResult.h"

#include <cstdio>
#include <functional>

// One verification run as the command line asked for it: collect the targets, verify them in
// parallel, write the report to out in input order, show a progress bar on progressTerminal
// (null for none), and hand every result in the same order to alsoReport when given (with its
// SHA-256 computed whether or not the output shows it). Answers the exit status: 0 when every file is
// authentic, 1 otherwise.
class VerificationCommand
{
public:
    static int Run(const CommandLineOptions& options, FILE* out, FILE* progressTerminal,
                   const std::function<void(const VerificationResult&)>& alsoReport = {});
};

#endif
