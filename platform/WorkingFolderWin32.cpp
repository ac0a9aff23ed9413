// SPDX-License-Identifier: Apache-2.0
#include "platform/WorkingFolder.h"

#include "platform/WidePath.h"

#include <windows.h>

#include <vector>

std::string WorkingFolder()
{
    // The length asked for includes the terminating zero; the folder may change between the two calls,
    // so a second answer longer than the buffer is asked again.
    DWORD length = GetCurrentDirectoryW(0, nullptr);
    while (length > 0) {
        std::vector<wchar_t> buffer(length);
        const DWORD written = GetCurrentDirectoryW(length, buffer.data());
        if (written == 0)
            return std::string();
        if (written < length)
            return Utf8FromWide(buffer.data());
        length = written;
    }
    return std::string();
}
