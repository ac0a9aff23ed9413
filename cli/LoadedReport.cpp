// SPDX-License-Identifier: Apache-2.0
#include "cli/LoadedReport.h"

#include "cli/ReportModuleLoader.h"

std::unique_ptr<LoadedReport> LoadedReport::Start(const char* version, int argc, const char* const* argv,
                                                  const std::vector<std::string>& givenPaths,
                                                  const CaseDetails& caseDetails,
                                                  const ReportKeySets& keySets, std::string* error)
{
    static std::string loadError;
    static const ReportModuleEntries* const entries = LoadReportModule(&loadError);
    if (!entries) {
        *error = loadError;
        return nullptr;
    }
    return std::unique_ptr<LoadedReport>(
        new LoadedReport(entries, entries->open(version, argc, argv, givenPaths, caseDetails, keySets)));
}

LoadedReport::~LoadedReport()
{
    entries->close(report);
}

bool LoadedReport::CanCreateBeside(const std::string& path, std::string* reason) const
{
    return entries->canCreateBeside(path, reason);
}

void LoadedReport::Add(const VerificationResult& result)
{
    entries->add(report, result);
}

void LoadedReport::LeftOut(const std::vector<SkippedEntry>& skipped)
{
    entries->leftOut(report, skipped);
}

void LoadedReport::RehashAtReportTime()
{
    entries->rehashAtReportTime(report);
}

void LoadedReport::VerificationEnded()
{
    entries->verificationEnded(report);
}

bool LoadedReport::Save(const std::string& path, std::string* error,
                        const std::function<bool()>& keepGoing) const
{
    return entries->save(report, path, error, keepGoing);
}

std::string LoadedReport::MissingCharacters() const
{
    return entries->missingCharacters(report);
}

bool LoadedReport::Seal(const std::string& path, std::string* hexDigest, std::string* error) const
{
    return entries->seal(path, hexDigest, error);
}
