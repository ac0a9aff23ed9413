// SPDX-License-Identifier: Apache-2.0
// Loads the report module as quorlith-verify does and prints "loaded: " with what the module's first
// entry answers, or "not loaded: " with the reason. For the Windows check.
#include "cli/ReportModuleLoader.h"

#include <cstdio>

int main()
{
    std::string error;
    const ReportModuleEntries* entries = LoadReportModule(&error);
    if (!entries) {
        std::printf("not loaded: %s\n", error.c_str());
        return 1;
    }
    std::string answer;
    entries->canCreateBeside("stand-in", &answer);
    std::printf("loaded: %s\n", answer.c_str());
    return 0;
}
