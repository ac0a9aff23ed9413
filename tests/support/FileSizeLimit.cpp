// SPDX-License-Identifier: Apache-2.0
#include "tests/support/FileSizeLimit.h"

FileSizeLimit::FileSizeLimit(long long bytes)
{
    saved = getrlimit(RLIMIT_FSIZE, &before) == 0;
    if (!saved)
        return;
    rlimit lowered = before;
    lowered.rlim_cur = static_cast<rlim_t>(bytes);
    oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    set = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!saved)
        return;
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
}
