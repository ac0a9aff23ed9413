// SPDX-License-Identifier: Apache-2.0
#include "platform/LoadableModule.h"

#include <dlfcn.h>
#include <unistd.h>

ModuleLoad LoadModuleFunction(const std::string& path, const char* function, void** address,
                              std::string* reason)
{
    if (access(path.c_str(), F_OK) != 0)
        return ModuleLoad::Missing;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        const char* why = dlerror();
        *reason = why ? why : path;
        return ModuleLoad::Failed;
    }
    *address = dlsym(module, function);
    return *address ? ModuleLoad::Loaded : ModuleLoad::NoFunction;
}
