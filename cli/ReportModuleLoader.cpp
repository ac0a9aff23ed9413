// SPDX-License-Identifier: Apache-2.0
#include "cli/ReportModuleLoader.h"

#include "platform/LoadableModule.h"
#include "platform/ProgramFolder.h"

// Beside the tool in the build tree; in the package's private folder once installed. The module is
// never looked for on the library path, so that no other file of that name is taken for it.
const ReportModuleEntries* LoadReportModule(std::string* error)
{
    const std::string folder = ProgramFolder();
    const std::string candidates[] = {
        folder + "/" QUORLITH_REPORT_MODULE_FILE,
        folder + "/../lib/quorlith/report/" QUORLITH_REPORT_MODULE_FILE,
    };
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
