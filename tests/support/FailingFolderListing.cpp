// SPDX-License-Identifier: Apache-2.0
#include "tests/support/FailingFolderListing.h"

#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

std::atomic<int> failWith{0};
std::atomic<int> failures{0};
dev_t folderDevice = 0;
ino_t folderInode = 0;

bool IsTheFolder(int fd)
{
    struct stat status;
    return fstat(fd, &status) == 0 && status.st_dev == folderDevice && status.st_ino == folderInode;
}

} // namespace

FailingFolderListing::FailingFolderListing(const QByteArray& folder, int error)
{
    struct stat status;
    if (stat(folder.constData(), &status) != 0)
        return;
    folderDevice = status.st_dev;
    folderInode = status.st_ino;
    failures = 0;
    failWith = error;
    set = true;
}

FailingFolderListing::~FailingFolderListing()
{
    failWith = 0;
}

int FailingFolderListing::Failures() const
{
    return failures;
}

extern "C" dirent* readdir(DIR* dir)
{
    static const auto next = reinterpret_cast<dirent* (*)(DIR*)>(dlsym(RTLD_NEXT, "readdir"));
    // Only the end of a listing leaves errno as it was; the caller's value may be any.
    const int callersErrno = errno;
    errno = 0;
    dirent* const entry = next(dir);
    if (entry != nullptr || errno != 0) {
        if (entry != nullptr)
            errno = callersErrno;
        return entry;
    }
    errno = callersErrno;
    const int error = failWith.load();
    if (error == 0 || !IsTheFolder(dirfd(dir)))
        return nullptr;
    ++failures;
    errno = error;
    return nullptr;
}
