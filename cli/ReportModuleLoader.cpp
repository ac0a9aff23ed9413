// SPDX-License-Identifier: Apache-2.0
#include "cli/ReportModuleLoader.h"

#include "QuorlithBuild.h"
#include "platform/LoadableModule.h"

#include <cstring>

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
            const ReportModuleEntries* entries = reinterpret_cast<Entries>(function)();
            if (entries && entries->buildIdentity &&
                std::strcmp(entries->buildIdentity, QUORLITH_BUILD_IDENTITY) == 0)
                return entries;
            reasons = "the report module " + candidate + " belongs to another build (" +
                      (entries && entries->buildIdentity ? entries->buildIdentity : "unknown") +
                      ") than this program (" QUORLITH_BUILD_IDENTITY "); reinstall the package";
            break;
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
