// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_COMMANDLINEPARSER_H
#define QUORLITH_CLI_COMMANDLINEPARSER_H

#include "cli/CommandLineOptions.h"

#include <string>

// Reads the argument vector: --json, --csv, --sha256, -j N / -jN / --jobs N / --jobs=N,
// --report FILE / --report=FILE, --help, --version, and "--" to end the options. Everything else is
// a path.
class CommandLineParser
{
public:
    static const int kMaxJobs = 256;

    // False on a usage error, with a one-line message in error.
    static bool Parse(int argc, const char* const* argv, CommandLineOptions* options, std::string* error);

    static std::string HelpText();
};

#endif
