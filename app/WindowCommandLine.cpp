// SPDX-License-Identifier: Apache-2.0
#include "app/WindowCommandLine.h"

#include <cstring>

WindowCommandLine::Request WindowCommandLine::FindRequest(int argc, const char* const argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            break;
        if (std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0)
            return Request::ShowHelp;
        if (std::strcmp(argument, "--version") == 0)
            return Request::ShowVersion;
    }
    return Request::OpenWindow;
}

QStringList WindowCommandLine::Paths(const QStringList& arguments)
{
    QStringList paths;
    bool optionsEnded = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')))
            paths.append(argument);
        else if (argument == QLatin1String("--"))
            optionsEnded = true;
    }
    return paths;
}

const char* WindowCommandLine::HelpText()
{
    return "Usage: quorlith [FILE|FOLDER...]\n"
           "Opens the Trevalon Quorlith window, which tells whether evidence files are exactly as the\n"
           "recorder wrote them, and verifies the paths given at once: each FILE whatever its name, each\n"
           "FOLDER searched recursively for files whose name ends in .jpg, .avi, .mp4 or .mxg after its\n"
           "last dot (any case; hidden entries and symbolic links are skipped). A path that does not exist\n"
           "is skipped.\n"
           "\n"
           "Options:\n"
           "  -h, --help      show this help and exit\n"
           "  --version       show the version and exit\n"
           "  --              take every later argument as a path\n"
           "The toolkit's own options, such as -style NAME, are accepted; other options are ignored.\n";
}
