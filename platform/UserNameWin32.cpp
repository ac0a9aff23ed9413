// SPDX-License-Identifier: Apache-2.0
#include "platform/UserName.h"

#include <lmcons.h>
#include <windows.h>

// Windows names owners by security identifier, not by a number: the status carries no owner id.
std::string UserNameOf(int64_t)
{
    return std::string();
}

std::string RunningUser()
{
    wchar_t name[UNLEN + 1];
    DWORD length = UNLEN + 1;
    if (!GetUserNameW(name, &length) || length == 0)
        return std::string();
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, name, static_cast<int>(length - 1), nullptr, 0, nullptr, nullptr);
    std::string text(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_UTF8, 0, name, static_cast<int>(length - 1), &text[0], bytes, nullptr,
                            nullptr);
    return text;
}
