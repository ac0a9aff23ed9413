// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_REPORTMODULELOADER_H
#define QUORLITH_CLI_REPORTMODULELOADER_H

#include "cli/ReportModule.h"

#include <string>
#include <vector>

// Loads the report module and answers its entry points; null with the reason in error when this build
// has none, or it cannot be found or loaded, or it belongs to another build than the program.
const ReportModuleEntries* LoadReportModule(std::string* error);

// The first of candidates that exists, loaded and of this very build; when none is, error holds why the
// last one that exists was not taken, or that the module is not installed.
const ReportModuleEntries* LoadFirstReportModule(const std::vector<std::string>& candidates,
                                                 std::string* error);

#endif
