// SPDX-License-Identifier: Apache-2.0
// The C library's fortified pread is an inline function of the same name, which this file replaces.
#undef _FORTIFY_SOURCE
#include "tests/support/FailingReads.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<int> failWith{0};
std::atomic<int> readsLeft{0};
std::atomic<int> failures{0};
dev_t fileDevice = 0;
ino_t fileInode = 0;

bool IsTheFile(int fd)
{
    struct stat status;
    return fstat(fd, &status) == 0 && status.st_dev == fileDevice && status.st_ino == fileInode;
}

} // namespace

FailingReads::FailingReads(const QByteArray& path, int after, int error)
{
    struct stat status;
    if (stat(path.constData(), &status) != 0)
        return;
    fileDevice = status.st_dev;
    fileInode = status.st_ino;
    readsLeft = after;
    failures = 0;
    failWith = error;
    set = true;
}

FailingReads::~FailingReads()
{
    failWith = 0;
}

int FailingReads::Failures() const
{
    return failures;
}

extern "C" ssize_t pread(int fd, void* buffer, size_t length, off_t offset)
{
    const int error = failWith.load();
    if (error != 0 && IsTheFile(fd) && readsLeft-- <= 0) {
        ++failures;
        errno = error;
        return -1;
    }
    static const auto next =
        reinterpret_cast<ssize_t (*)(int, void*, size_t, off_t)>(dlsym(RTLD_NEXT, "pread"));
    return next(fd, buffer, length, offset);
}
