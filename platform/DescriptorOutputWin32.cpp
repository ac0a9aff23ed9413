// SPDX-License-Identifier: Apache-2.0
#include "platform/DescriptorOutput.h"

#include "platform/WidePath.h"

#include <windows.h>

#include <cerrno>
#include <climits>
#include <io.h>

int WriteAllTo(int descriptor, const char* data, size_t size)
{
    // _write takes an unsigned int count; a report is handed over in pieces well below that.
    const size_t kLargestPiece = 1u << 30;
    size_t written = 0;
    while (written < size) {
        const size_t piece = size - written < kLargestPiece ? size - written : kLargestPiece;
        const int result = _write(descriptor, data + written, static_cast<unsigned int>(piece));
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return result < 0 ? errno : EIO;
        written += static_cast<size_t>(result);
    }
    return 0;
}

int SyncToDisk(int descriptor)
{
    const intptr_t handle = _get_osfhandle(descriptor);
    if (handle == -1)
        return EBADF;
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(handle)))
        return ErrnoFromWindowsError(GetLastError());
    return 0;
}
