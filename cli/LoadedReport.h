// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_LOADEDREPORT_H
#define QUORLITH_CLI_LOADEDREPORT_H

#include "cli/ReportModule.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The PDF report of --report, from the report module loaded at the moment one is asked for.
class LoadedReport
{
public:
    // Loads the module (once per process) and starts a report; null with the reason in error when the
    // module cannot be found or loaded.
    // The report names the command line, the paths given on it, the case it belongs to and the key sets
    // the tool verifies with.
    static std::unique_ptr<LoadedReport> Start(const char* version, int argc, const char* const* argv,
                                               const std::vector<std::string>& givenPaths,
                                               const CaseDetails& caseDetails, const ReportKeySets& keySets,
                                               std::string* error);
    ~LoadedReport();
    LoadedReport(const LoadedReport&) = delete;
    LoadedReport& operator=(const LoadedReport&) = delete;

    // As CommandLineReport's functions of the same names, and CanCreateBeside of the report's saving.
    bool CanCreateBeside(const std::string& path, std::string* reason) const;
    void Add(const VerificationResult& result);
    void LeftOut(const std::vector<SkippedEntry>& skipped);
    void VerificationEnded();
    void RehashAtReportTime();
    bool Save(const std::string& path, std::string* error, const std::function<bool()>& keepGoing) const;
    std::string MissingCharacters() const;
    bool Seal(const std::string& path, std::string* hexDigest, std::string* error) const;

private:
    LoadedReport(const ReportModuleEntries* entries, void* report) : entries(entries), report(report) {}

    const ReportModuleEntries* entries;
    void* report;
};

#endif
