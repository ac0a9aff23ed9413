// SPDX-License-Identifier: Apache-2.0
// The report module on Windows: a library beside the tool, loaded by its UTF-16 path, so that a folder
// named outside the ANSI code page is no obstacle. The folder is the running tool's own, never the
// search path, so that no other file of that name is taken for it; the module's Qt libraries are
// looked for in its folder first.
#include "cli/ReportModuleLoader.h"

#include "platform/LoadableModule.h"
#include "platform/ProgramFolder.h"

const ReportModuleEntries* LoadReportModule(std::string* error)
{
    const std::string folder = ProgramFolder();
    const std::string path = folder + "\\" QUORLITH_REPORT_MODULE_FILE;
    void* function = nullptr;
    std::string reason;
    // Kept loaded for the rest of the process: Qt does not expect to be unloaded.
    const ModuleLoad load =
        folder.empty() ? ModuleLoad::Missing
                       : LoadModuleFunction(path, QUORLITH_REPORT_MODULE_ENTRIES, &function, &reason);
    switch (load) {
    case ModuleLoad::Loaded: {
        using Entries = const ReportModuleEntries* (*)();
        return reinterpret_cast<Entries>(function)();
    }
    case ModuleLoad::Missing:
        *error = "the report module " QUORLITH_REPORT_MODULE_FILE " is not installed";
        break;
    case ModuleLoad::Failed:
        *error = reason;
        break;
    case ModuleLoad::NoFunction:
        *error = path + " is not the report module";
        break;
    }
    return nullptr;
}
