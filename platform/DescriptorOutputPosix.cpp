// SPDX-License-Identifier: Apache-2.0
#include "platform/DescriptorOutput.h"

#include <cerrno>
#include <unistd.h>

int WriteAllTo(int descriptor, const char* data, size_t size)
{
    size_t written = 0;
    while (written < size) {
        const ssize_t result = ::write(descriptor, data + written, size - written);
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
    return fsync(descriptor) == 0 ? 0 : errno;
}
