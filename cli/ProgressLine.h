// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_PROGRESSLINE_H
#define QUORLITH_CLI_PROGRESSLINE_H

#include <cstdint>
#include <string>

// How far a run has come, for the progress line.
struct ProgressFigures
{
    long long filesDone = 0;
    long long totalFiles = 0;
    int64_t bytesDone = 0;
    int64_t totalBytes = 0;
    double seconds = 0; // since the run started
};

// The progress line for a terminal of the given width: "[####----] 3/10 files  1.0 MiB/4.0 MiB  2.0 MiB/s",
// made narrower part by part (a shorter bar, then no rate, no bytes, no bar) so that it never reaches
// the last column, where a terminal would wrap it onto a second line that "\r" cannot wipe.
std::string ProgressLine(const ProgressFigures& figures, int columns);

#endif
