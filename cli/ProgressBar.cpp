// SPDX-License-Identifier: Apache-2.0
#include "cli/ProgressBar.h"

#include "cli/ProgressLine.h"
#include "platform/Console.h"

#include <algorithm>

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
    ClearTerminalLine(terminal);
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
    // The width is asked at every redraw, so that the line follows a terminal being resized.
    const std::string line = ProgressLine(figures, TerminalColumns(terminal));
    ClearTerminalLine(terminal);
    std::fputs(line.c_str(), terminal);
    std::fflush(terminal);
    shown = true;
}
