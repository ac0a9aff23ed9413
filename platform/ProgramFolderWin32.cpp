// SPDX-License-Identifier: Apache-2.0
#include "platform/ProgramFolder.h"

#include "platform/WidePath.h"

#include <windows.h>

std::string ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        // A name that filled the buffer may have been cut short.
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::string() : Utf8FromWide(path.substr(0, separator).c_str());
}
