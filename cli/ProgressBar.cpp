// SPDX-License-Identifier: Apache-2.0
#include "cli/ProgressBar.h"

#include "cli/ProgressLine.h"

#include <algorithm>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Asked at every redraw, so that the line follows a terminal being resized.
int TerminalColumns(FILE* terminal)
{
    struct winsize size = {};
    if (ioctl(fileno(terminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace

ProgressBar::ProgressBar(FILE* terminal, long long totalFiles, int64_t totalBytes)
    : terminal(terminal), totalFiles(totalFiles), totalBytes(totalBytes),
      started(std::chrono::steady_clock::now())
{
}

void ProgressBar::Update(long long files, int64_t bytes)
{
    filesDone = files;
    // A file's bytes in work are taken back a moment before its whole size is counted; the bar
    // never steps back for that.
    bytesDone = std::max(bytesDone, bytes);
    const auto now = std::chrono::steady_clock::now();
    if (shown && now - lastDrawn < std::chrono::milliseconds(100))
        return;
    lastDrawn = now;
    Draw();
}

void ProgressBar::Clear()
{
    if (!shown)
        return;
    std::fputs("\r\033[K", terminal);
    std::fflush(terminal);
    shown = false;
}

void ProgressBar::Draw()
{
    ProgressFigures figures;
    figures.filesDone = filesDone;
    figures.totalFiles = totalFiles;
    figures.bytesDone = bytesDone;
    figures.totalBytes = totalBytes;
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(terminal, "\r\033[K%s", ProgressLine(figures, TerminalColumns(terminal)).c_str());
    std::fflush(terminal);
    shown = true;
}
