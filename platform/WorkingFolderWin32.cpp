// SPDX-License-Identifier: Apache-2.0
#include "platform/WorkingFolder.h"

#include "platform/WidePath.h"

#include <windows.h>

std::string WorkingFolder()
{
    std::wstring folder;
    DWORD needed = GetCurrentDirectoryW(0, nullptr);
    while (needed > 0) {
        folder.assign(needed, L'\0');
        const DWORD length = GetCurrentDirectoryW(needed, folder.data());
        if (length == 0)
            return std::string();
        if (length < needed) {
            folder.resize(length);
            return Utf8FromWide(folder.c_str());
        }
        // The folder changed to a longer one in between.
        needed = length;
    }
    return std::string();
}
