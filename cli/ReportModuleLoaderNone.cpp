// SPDX-License-Identifier: Apache-2.0
// A build without the report module: without Qt (the Windows build here), there is no PDF to write.
#include "cli/ReportModuleLoader.h"

const ReportModuleEntries* LoadReportModule(std::string* error)
{
    *error = "this build of quorlith-verify has no PDF report (it was built without Qt)";
    return nullptr;
}
