// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_LOADABLEMODULE_H
#define QUORLITH_PLATFORM_LOADABLEMODULE_H

#include <string>

enum class ModuleLoad
{
    Loaded,
    Missing,   // no file by that name
    Failed,    // the system would not load it; the reason says why
    NoFunction // loaded, but without the function asked for
};

// Loads the shared library at path (UTF-8 on Windows, where it is loaded by its UTF-16 name and its own
// folder is searched first for the libraries it needs) and finds function in it. The library stays
// loaded for the rest of the process. On Failed, reason holds the system's words, naming the file.
ModuleLoad LoadModuleFunction(const std::string& path, const char* function, void** address,
                              std::string* reason);

#endif
