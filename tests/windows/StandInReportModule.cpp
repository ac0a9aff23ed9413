// SPDX-License-Identifier: Apache-2.0
// A report module that writes nothing: its one entry answers whether a report can be made beside a path
// with the path itself, so that the loading check can tell that it reached this module's table. It
// states the build it is compiled in, or the one QUORLITH_STAND_IN_BUILD names, to stand in for a module
// of another build.
#include "QuorlithBuild.h"
#include "cli/ReportModule.h"

#ifndef QUORLITH_STAND_IN_BUILD
#define QUORLITH_STAND_IN_BUILD QUORLITH_BUILD_IDENTITY
#endif

namespace {
bool AnswerWithThePath(const std::string& path, std::string* reason)
{
    *reason = path;
    return true;
}

// Every other entry stays empty, however many the table grows to.
ReportModuleEntries OnlyTheBesideCheck()
{
    ReportModuleEntries entries{};
    entries.buildIdentity = QUORLITH_STAND_IN_BUILD;
    entries.canCreateBeside = AnswerWithThePath;
    return entries;
}
} // namespace

extern "C" QUORLITH_REPORT_MODULE_EXPORT const ReportModuleEntries* QuorlithReportModuleEntries3()
{
    static const ReportModuleEntries entries = OnlyTheBesideCheck();
    return &entries;
}
