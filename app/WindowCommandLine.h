// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_WINDOWCOMMANDLINE_H
#define QUORLITH_APP_WINDOWCOMMANDLINE_H

#include <QStringList>

// The window program's own command line: quorlith [FILE|FOLDER...], --help and --version. The
// toolkit takes its own options (-style NAME, -platform NAME, ...) out of the argument vector when
// the application object is made; any other option is ignored.
class WindowCommandLine
{
public:
    enum class Request
    {
        OpenWindow,
        ShowHelp,
        ShowVersion,
    };

    // What the raw argument vector asks for; read before the application object exists, so help
    // and version need no display. The first of -h, --help and --version wins; "--" ends the
    // options, so a file may be called --help.
    static Request FindRequest(int argc, const char* const argv[]);

    // The paths among the arguments the toolkit left, program name first: every argument not
    // starting with "-", and every argument after "--", in their order.
    static QStringList Paths(const QStringList& arguments);

    static const char* HelpText();
};

#endif
