// SPDX-License-Identifier: Apache-2.0
#include "cli/ReportModuleLoader.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace {

// The folder of the running tool, from the kernel rather than argv[0], which may name it relatively
// or through a link.
std::string ToolFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return std::string();
    const std::string tool(path, static_cast<size_t>(length));
    const size_t slash = tool.rfind('/');
    return slash == std::string::npos ? std::string() : tool.substr(0, slash);
}

// Beside the tool in the build tree; in the package's private folder once installed. The module is
// never looked for on the library path, so that no other file of that name is taken for it.
const ReportModuleEntries* LoadFromToolFolder(std::string* error)
{
    const std::string folder = ToolFolder();
    const std::string candidates[] = {
        folder + "/" QUORLITH_REPORT_MODULE_FILE,
        folder + "/../lib/quorlith/report/" QUORLITH_REPORT_MODULE_FILE,
    };
    std::string reasons;
    for (const std::string& candidate : candidates) {
        if (access(candidate.c_str(), F_OK) != 0)
            continue;
        // Kept loaded for the rest of the process: Qt does not expect to be unloaded.
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char* why = dlerror();
            reasons = why ? why : candidate;
            continue;
        }
        using Entries = const ReportModuleEntries* (*)();
        const Entries entries = reinterpret_cast<Entries>(dlsym(module, QUORLITH_REPORT_MODULE_ENTRIES));
        if (entries)
            return entries();
        reasons = candidate + " is not the report module";
    }
    *error = reasons.empty() ? "the report module " QUORLITH_REPORT_MODULE_FILE " is not installed" : reasons;
    return nullptr;
}

} // namespace

const ReportModuleEntries* LoadReportModule(std::string* error)
{
    return LoadFromToolFolder(error);
}
