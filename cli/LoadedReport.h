// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_LOADEDREPORT_H
#define QUORLITH_CLI_LOADEDREPORT_H

#include "cli/ReportModule.h"

#include <functional>
#include <memory>
#include <string>

// The PDF report of --report, from the report module loaded at the moment one is asked for.
class LoadedReport
{
public:
    // Loads the module (once per process) and starts a report; null with the reason in error when the
    // module cannot be found or loaded.
    static std::unique_ptr<LoadedReport> Start(const char* version, std::string* error);
    ~LoadedReport();
    LoadedReport(const LoadedReport&) = delete;
    LoadedReport& operator=(const LoadedReport&) = delete;

    void Add(const VerificationResult& result);
    // As CommandLineReport::Save.
    bool Save(const std::string& path, std::string* error, const std::function<bool()>& keepGoing) const;

private:
    LoadedReport(const ReportModuleEntries* entries, void* report) : entries(entries), report(report) {}

    const ReportModuleEntries* entries;
    void* report;
};

#endif
