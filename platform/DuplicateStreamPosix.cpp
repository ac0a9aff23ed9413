// SPDX-License-Identifier: Apache-2.0
#include "platform/DuplicateStream.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

FILE* WriteStreamOnDuplicate(int descriptor)
{
    const int copy = fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return nullptr;
    FILE* stream = fdopen(copy, "wb");
    if (stream == nullptr) {
        const int error = errno;
        close(copy);
        errno = error;
    }
    return stream;
}
