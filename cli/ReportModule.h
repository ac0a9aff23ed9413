// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_REPORTMODULE_H
#define QUORLITH_CLI_REPORTMODULE_H

#include "report/CaseDetails.h"
#include "verdict/KeySetFacts.h"
#include "verdict/SkippedEntry.h"
#include "verdict/VerificationResult.h"

#include <functional>
#include <string>
#include <vector>

// The PDF report of quorlith-verify lives in a module of its own, with Qt's GUI libraries behind it,
// which the tool loads only when --report asks for a report: a run without one starts without them.
// These are the module's entry points, as CommandLineReport offers them. The tool and the module pass
// its structures and the standard library's to each other, so both must come from one build: the module
// states its build (QUORLITH_BUILD_IDENTITY) first, and the tool takes no other build's.
struct ReportModuleEntries
{
    const char* buildIdentity;
    bool (*canCreateBeside)(const std::string& path, std::string* reason);
    // The key sets are those the tool verifies with, which the report states.
    void* (*open)(const char* version, int argc, const char* const* argv,
                  const std::vector<std::string>& givenPaths, const CaseDetails& caseDetails,
                  const ReportKeySets& keySets);
    void (*add)(void* report, const VerificationResult& result);
    void (*leftOut)(void* report, const std::vector<SkippedEntry>& skipped);
    void (*verificationEnded)(void* report);
    bool (*save)(void* report, const std::string& path, std::string* error,
                 const std::function<bool()>& keepGoing);
    std::string (*missingCharacters)(const void* report);
    bool (*seal)(const std::string& path, std::string* hexDigest, std::string* error);
    void (*close)(void* report);
    // --rehash: the report computes each file's SHA-256 again when it is written.
    void (*rehashAtReportTime)(void* report);
};

// The one symbol the tool looks up in the module, and the one the module exports. Its name changes with
// the table's layout, so that a module of an older layout is not found at all, rather than misread.
#define QUORLITH_REPORT_MODULE_ENTRIES "QuorlithReportModuleEntries3"
#ifdef _WIN32
#define QUORLITH_REPORT_MODULE_EXPORT __declspec(dllexport)
#else
#define QUORLITH_REPORT_MODULE_EXPORT __attribute__((visibility("default")))
#endif
extern "C" QUORLITH_REPORT_MODULE_EXPORT const ReportModuleEntries* QuorlithReportModuleEntries3();

// The module's file name, looked for beside the tool (the build tree) and in the private folder of an
// installed tool; on Windows beside the tool only, where the deployed Qt libraries lie too.
#ifdef _WIN32
#define QUORLITH_REPORT_MODULE_FILE "quorlith-verify-report.dll"
#else
#define QUORLITH_REPORT_MODULE_FILE "quorlith-verify-report.so"
#endif

#endif
