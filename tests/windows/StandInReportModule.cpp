// SPDX-License-Identifier: Apache-2.0
// A report module that writes nothing: its one entry answers whether a report can be made beside a path
// with the path itself, so that the loading check can tell that it reached this module's table.
#include "cli/ReportModule.h"

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
    entries.canCreateBeside = AnswerWithThePath;
    return entries;
}
} // namespace

extern "C" QUORLITH_REPORT_MODULE_EXPORT const ReportModuleEntries* QuorlithReportModuleEntries()
{
    static const ReportModuleEntries entries = OnlyTheBesideCheck();
    return &entries;
}
