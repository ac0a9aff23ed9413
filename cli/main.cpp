#include "cli/CommandLineParser.h"
#include "cli/VerificationCommand.h"

#include <cstdio>
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
        return 0;
    case CommandLineOptions::Action::Verify:
        break;
    }
    const int status = VerificationCommand::Run(options, stdout, isatty(STDERR_FILENO) ? stderr : nullptr);
    // A report cut short (a full disk, a closed pipe) must not end in the status of success.
    if (std::ferror(stdout)) {
        std::fputs("quorlith-verify: the report could not be written in full\n", stderr);
        return 1;
    }
    return status;
}
