// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileSnapshot.h"

#include "verdict/PathAnyLength.h"

bool FileSnapshot::TakeOfPath(const char* path)
{
    return StatAnyLength(path, &status, true) == 0;
}

bool FileSnapshot::TakeOfDescriptor(int fd)
{
    return fstat(fd, &status) == 0;
}

bool FileSnapshot::SameFileAndState(const FileSnapshot& other) const
{
    const struct stat& a = status;
    const struct stat& b = other.status;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}
