// SPDX-License-Identifier: Apache-2.0
// The report module's side: CommandLineReport behind the entry points that quorlith-verify looks up.
#include "cli/ReportModule.h"

#include "QuorlithBuild.h"
#include "cli/CommandLineReport.h"
#include "report/WholeFileSave.h"

namespace {

bool CanCreate(const std::string& path, std::string* reason)
{
    QString why;
    if (CanCreateBeside(QByteArray(path.data(), static_cast<int>(path.size())), &why))
        return true;
    *reason = why.toStdString();
    return false;
}

void* Open(const char* version, int argc, const char* const* argv, const std::vector<std::string>& givenPaths,
           const CaseDetails& caseDetails, const ReportKeySets& keySets)
{
    return new CommandLineReport(version, argc, argv, givenPaths, caseDetails, keySets);
}

void Add(void* report, const VerificationResult& result)
{
    static_cast<CommandLineReport*>(report)->Add(result);
}

void LeftOut(void* report, const std::vector<SkippedEntry>& skipped)
{
    static_cast<CommandLineReport*>(report)->LeftOut(skipped);
}

void VerificationEnded(void* report)
{
    static_cast<CommandLineReport*>(report)->VerificationEnded();
}

bool Save(void* report, const std::string& path, std::string* error, const std::function<bool()>& keepGoing)
{
    return static_cast<CommandLineReport*>(report)->Save(path, error, keepGoing);
}

std::string MissingCharacters(const void* report)
{
    return static_cast<const CommandLineReport*>(report)->MissingCharacters();
}

void RehashAtReportTime(void* report)
{
    static_cast<CommandLineReport*>(report)->RehashAtReportTime();
}

void Close(void* report)
{
    delete static_cast<CommandLineReport*>(report);
}

} // namespace

extern "C" QUORLITH_REPORT_MODULE_EXPORT const ReportModuleEntries* QuorlithReportModuleEntries3()
{
    static const ReportModuleEntries entries = {QUORLITH_BUILD_IDENTITY,
                                                CanCreate,
                                                Open,
                                                Add,
                                                LeftOut,
                                                VerificationEnded,
                                                Save,
                                                MissingCharacters,
                                                CommandLineReport::Seal,
                                                Close,
                                                RehashAtReportTime};
    return &entries;
}
