// SPDX-License-Identifier: Apache-2.0
#include "cli/FlushError.h"

#include <cerrno>

int FlushError(FILE* out)
{
    errno = 0;
    if (std::fflush(out) == 0 && !std::ferror(out))
        return 0;
    return errno != 0 ? errno : EIO;
}
