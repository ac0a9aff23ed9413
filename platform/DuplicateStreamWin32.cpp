// SPDX-License-Identifier: Apache-2.0
#include "platform/DuplicateStream.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>

FILE* WriteStreamOnDuplicate(int descriptor)
{
    const int copy = _dup(descriptor);
    if (copy < 0)
        return nullptr;
    // The descriptor's own mode decides whether line ends are translated; the stream takes it as binary.
    _setmode(copy, _O_BINARY);
    FILE* stream = _fdopen(copy, "wb");
    if (stream == nullptr) {
        const int error = errno;
        _close(copy);
        errno = error;
    }
    return stream;
}
