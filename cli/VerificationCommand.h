#ifndef QUORLITH_CLI_VERIFICATIONCOMMAND_H
#define QUORLITH_CLI_VERIFICATIONCOMMAND_H

#include "cli/CommandLineOptions.h"

#include <cstdio>

// One verification run as the command line asked for it: collect the targets, verify them in
// parallel, write the report to out in input order, show a progress bar on progressTerminal
// (null for none). Answers the exit status: 0 when every file is authentic, 1 otherwise.
class VerificationCommand
{
public:
    static int Run(const CommandLineOptions& options, FILE* out, FILE* progressTerminal);
};

#endif
