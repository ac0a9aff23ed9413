// SPDX-License-Identifier: Apache-2.0
#include "tests/support/FailingSync.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>

namespace {

std::atomic<int> failWith{0};
std::atomic<int> failures{0};

} // namespace

FailingSync::FailingSync(int error)
{
    failures = 0;
    failWith = error;
}

FailingSync::~FailingSync()
{
    failWith = 0;
}

int FailingSync::Failures() const
{
    return failures;
}

extern "C" int fsync(int fd)
{
    if (const int error = failWith.load()) {
        ++failures;
        errno = error;
        return -1;
    }
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return next(fd);
}
