// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_PROGRESSBAR_H
#define QUORLITH_CLI_PROGRESSBAR_H

#include <chrono>
#include <cstdint>
#include <cstdio>

// A one-line bar on a terminal: files and bytes done of the total and the rate. Redraws at most
// ten times a second; Clear takes it off the line so that report lines can be printed in between.
class ProgressBar
{
public:
    ProgressBar(FILE* terminal, long long totalFiles, int64_t totalBytes);

    void Update(long long filesDone, int64_t bytesDone);
    void Clear();

private:
    void Draw();

    FILE* terminal;
    long long totalFiles;
    int64_t totalBytes;
    long long filesDone = 0;
    int64_t bytesDone = 0;
    bool shown = false;
    std::chrono::steady_clock::time_point started;
    std::chrono::steady_clock::time_point lastDrawn;
};

#endif
