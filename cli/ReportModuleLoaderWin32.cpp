// SPDX-License-Identifier: Apache-2.0
// The report module on Windows: a library beside the tool, loaded by its UTF-16 path, so that a folder
// named outside the ANSI code page is no obstacle. The folder is the running tool's own, never the
// search path, so that no other file of that name is taken for it; the module's Qt libraries are
// looked for in its folder first.
#include "cli/ReportModuleLoader.h"

#include "platform/ProgramFolder.h"

const ReportModuleEntries* LoadReportModule(std::string* error)
{
    const std::string folder = ProgramFolder();
    if (folder.empty())
        return LoadFirstReportModule({}, error);
    return LoadFirstReportModule({folder + "\\" QUORLITH_REPORT_MODULE_FILE}, error);
}
