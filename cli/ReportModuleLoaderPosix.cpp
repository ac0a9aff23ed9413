// SPDX-License-Identifier: Apache-2.0
#include "cli/ReportModuleLoader.h"

#include "platform/ProgramFolder.h"

// Beside the tool in the build tree; in the package's private folder once installed. The module is
// never looked for on the library path, so that no other file of that name is taken for it.
const ReportModuleEntries* LoadReportModule(std::string* error)
{
    const std::string folder = ProgramFolder();
    if (folder.empty())
        return LoadFirstReportModule({}, error);
    return LoadFirstReportModule({folder + "/" QUORLITH_REPORT_MODULE_FILE,
                                  folder + "/../lib/quorlith/report/" QUORLITH_REPORT_MODULE_FILE},
                                 error);
}
