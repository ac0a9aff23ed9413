// SPDX-License-Identifier: Apache-2.0
#include "cli/ReportModuleLoader.h"

#include "platform/LoadableModule.h"

const ReportModuleEntries* LoadFirstReportModule(const std::vector<std::string>& candidates,
                                                 std::string* error)
{
    std::string reasons;
    for (const std::string& candidate : candidates) {
        void* function = nullptr;
        std::string reason;
        // Kept loaded for the rest of the process: Qt does not expect to be unloaded.
        switch (LoadModuleFunction(candidate, QUORLITH_REPORT_MODULE_ENTRIES, &function, &reason)) {
        case ModuleLoad::Loaded: {
            using Entries = const ReportModuleEntries* (*)();
            return reinterpret_cast<Entries>(function)();
        }
        case ModuleLoad::Missing:
            break;
        case ModuleLoad::Failed:
            reasons = reason;
            break;
        case ModuleLoad::NoFunction:
            reasons = candidate + " is not the report module";
            break;
        }
    }
    *error = reasons.empty() ? "the report module " QUORLITH_REPORT_MODULE_FILE " is not installed" : reasons;
    return nullptr;
}
