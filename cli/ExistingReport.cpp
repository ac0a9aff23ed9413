// SPDX-License-Identifier: Apache-2.0
#include "cli/ExistingReport.h"

#include "platform/ReadOnlyFile.h"

std::string ExistingReportFile(const std::string& reportPath)
{
    for (const std::string& path : {reportPath, reportPath + ".sha256"}) {
        FileStatus status;
        if (StatusOfPath(path.c_str(), false, &status) == 0)
            return path;
    }
    return std::string();
}
