// SPDX-License-Identifier: Apache-2.0
#include "cli/ProgressBar.h"

#include <string>

namespace {

const int kBarWidth = 24;

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

} // namespace

ProgressBar::ProgressBar(FILE* terminal, long long totalFiles, int64_t totalBytes)
    : terminal(terminal), totalFiles(totalFiles), totalBytes(totalBytes),
      started(std::chrono::steady_clock::now())
{
}

void ProgressBar::Update(long long files, int64_t bytes)
{
    filesDone = files;
    bytesDone = bytes;
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
    const double fraction = totalBytes > 0 ? static_cast<double>(bytesDone) / static_cast<double>(totalBytes)
                                           : static_cast<double>(filesDone) / static_cast<double>(totalFiles);
    const int filled = static_cast<int>(fraction * kBarWidth);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const std::string rate = seconds > 0 ? Bytes(static_cast<double>(bytesDone) / seconds) + "/s" : "";
    const std::string bar =
        std::string(static_cast<size_t>(filled), '#') + std::string(kBarWidth - filled, '-');
    std::fprintf(terminal, "\r\033[K[%s] %lld/%lld files  %s/%s  %s", bar.c_str(), filesDone, totalFiles,
                 Bytes(static_cast<double>(bytesDone)).c_str(),
                 Bytes(static_cast<double>(totalBytes)).c_str(), rate.c_str());
    std::fflush(terminal);
    shown = true;
}
