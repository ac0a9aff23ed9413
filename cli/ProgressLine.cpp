// SPDX-License-Identifier: Apache-2.0
#include "cli/ProgressLine.h"

#include <algorithm>
#include <cstdio>

namespace {

const int kWidestBar = 24;
const int kNarrowestBar = 8;

std::string Bytes(double bytes)
{
    const char* const units[] = {"B", "KiB", "MiB", "GiB", "TiB"};
    int unit = 0;
    while (bytes >= 1024 && unit < 4) {
        bytes /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, unit == 0 ? "%.0f %s" : "%.1f %s", bytes, units[unit]);
    return text;
}

std::string Bar(double fraction, int width)
{
    const int filled = std::clamp(static_cast<int>(fraction * width), 0, width);
    return "[" + std::string(static_cast<size_t>(filled), '#') +
           std::string(static_cast<size_t>(width - filled), '-') + "] ";
}

} // namespace

std::string ProgressLine(const ProgressFigures& figures, int columns)
{
    const double fraction =
        figures.totalBytes > 0
            ? static_cast<double>(figures.bytesDone) / static_cast<double>(figures.totalBytes)
        : figures.totalFiles > 0
            ? static_cast<double>(figures.filesDone) / static_cast<double>(figures.totalFiles)
            : 0.0;
    const std::string files =
        std::to_string(figures.filesDone) + "/" + std::to_string(figures.totalFiles) + " files";
    const std::string bytes = "  " + Bytes(static_cast<double>(figures.bytesDone)) + "/" +
                              Bytes(static_cast<double>(figures.totalBytes));
    const std::string rate =
        figures.seconds > 0 ? "  " + Bytes(static_cast<double>(figures.bytesDone) / figures.seconds) + "/s"
                            : "";

    const size_t room = columns > 1 ? static_cast<size_t>(columns - 1) : 0;
    const std::string tails[] = {bytes + rate, bytes, std::string()};
    for (const std::string& tail : tails) {
        const size_t text = files.size() + tail.size();
        if (text + 2 + kNarrowestBar + 2 > room)
            continue;
        const int barWidth = std::min<int>(kWidestBar, static_cast<int>(room - text) - 4);
        return Bar(fraction, barWidth) + files + tail;
    }
    return files.substr(0, std::min(room, files.size()));
}
