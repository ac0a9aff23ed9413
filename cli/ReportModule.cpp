// SPDX-License-Identifier: Apache-2.0
// The report module's side: CommandLineReport behind the entry points that quorlith-verify looks up.
#include "cli/ReportModule.h"

#include "cli/CommandLineReport.h"

namespace {

void* Open(const char* version)
{
    return new CommandLineReport(version);
}

void Add(void* report, const VerificationResult& result)
{
    static_cast<CommandLineReport*>(report)->Add(result);
}

bool Save(void* report, const std::string& path, std::string* error, const std::function<bool()>& keepGoing)
{
    return static_cast<CommandLineReport*>(report)->Save(path, error, keepGoing);
}

void Close(void* report)
{
    delete static_cast<CommandLineReport*>(report);
}

} // namespace

extern "C" __attribute__((visibility("default"))) const ReportModuleEntries* QuorlithReportModuleEntries()
{
    static const ReportModuleEntries entries = {Open, Add, Save, Close};
    return &entries;
}
