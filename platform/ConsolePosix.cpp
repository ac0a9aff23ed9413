// SPDX-License-Identifier: Apache-2.0
#include "platform/Console.h"

#include <sys/ioctl.h>
#include <unistd.h>

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

void PrepareStandardStreams() {}

bool IsTerminal(FILE* stream)
{
    return isatty(fileno(stream)) != 0;
}

int TerminalColumns(FILE* terminal)
{
    struct winsize size = {};
    if (ioctl(fileno(terminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void ClearTerminalLine(FILE* terminal)
{
    std::fputs("\r\033[K", terminal);
}
