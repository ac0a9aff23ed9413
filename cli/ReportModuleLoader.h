// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_REPORTMODULELOADER_H
#define QUORLITH_CLI_REPORTMODULELOADER_H

#include "cli/ReportModule.h"

#include <string>

// Loads the report module and answers its entry points; null with the reason in error when this build
// has none, or it cannot be found or loaded.
const ReportModuleEntries* LoadReportModule(std::string* error);

#endif
