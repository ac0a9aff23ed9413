// SPDX-License-Identifier: Apache-2.0
#include "platform/Console.h"

#include "platform/WidePath.h"

#include <windows.h>

#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

namespace {

UINT consoleCodePageBefore = 0;

// The code page belongs to the console window, which outlives the program: it is given back.
void RestoreConsoleCodePage()
{
    SetConsoleOutputCP(consoleCodePageBefore);
}

HANDLE HandleOf(FILE* stream)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

} // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

void PrepareStandardStreams()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    consoleCodePageBefore = GetConsoleOutputCP();
    if (consoleCodePageBefore != 0 && consoleCodePageBefore != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(RestoreConsoleCodePage);
}

bool IsTerminal(FILE* stream)
{
    DWORD mode = 0;
    return GetConsoleMode(HandleOf(stream), &mode) != 0;
}

int TerminalColumns(FILE* terminal)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(HandleOf(terminal), &info))
        return 80;
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    return columns > 0 ? columns : 80;
}

void ClearTerminalLine(FILE* terminal)
{
    std::fflush(terminal);
    const HANDLE console = HandleOf(terminal);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(console, &info)) {
        std::fputs("\r", terminal);
        return;
    }
    const COORD lineStart = {0, info.dwCursorPosition.Y};
    DWORD written = 0;
    FillConsoleOutputCharacterW(console, L' ', static_cast<DWORD>(info.dwSize.X), lineStart, &written);
    SetConsoleCursorPosition(console, lineStart);
}
