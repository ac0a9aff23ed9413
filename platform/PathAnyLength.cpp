// SPDX-License-Identifier: Apache-2.0
#include "platform/PathAnyLength.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Closes fd, when it is one, without disturbing the errno of the failure being reported.
void CloseKeepingErrno(int fd)
{
    if (fd == AT_FDCWD)
        return;
    const int error = errno;
    close(fd);
    errno = error;
}

// Walks *rest down to a part shorter than PATH_MAX. Each step opens the longest prefix that fits in
// one call and ends at a '/'; *rest is then the part after it, relative to the folder that
// *folder holds (AT_FDCWD at the start). False with errno set and nothing left open on failure.
bool ReachLastPiece(const char** rest, int* folder)
{
    while (std::strlen(*rest) >= PATH_MAX) {
        const void* slash = memrchr(*rest, '/', PATH_MAX - 1);
        if (slash == nullptr) {
            // One name longer than any piece: no folder can hold it, as the system itself says.
            CloseKeepingErrno(*folder);
            errno = ENAMETOOLONG;
            return false;
        }
        const size_t length = static_cast<const char*>(slash) - *rest + 1;
        char piece[PATH_MAX];
        std::memcpy(piece, *rest, length);
        piece[length] = '\0';
        const int next = openat(*folder, piece, O_PATH | O_DIRECTORY | O_CLOEXEC);
        CloseKeepingErrno(*folder);
        if (next < 0)
            return false;
        *folder = next;
        *rest += length;
        // The rest must stay relative to the folder reached: a leading '/' would start from the root.
        while (**rest == '/')
            ++*rest;
        if (**rest == '\0')
            *rest = ".";
    }
    return true;
}

} // namespace

int OpenAnyLength(const char* path, int flags)
{
    const char* rest = path;
    int folder = AT_FDCWD;
    if (!ReachLastPiece(&rest, &folder))
        return -1;
    const int fd = openat(folder, rest, flags);
    CloseKeepingErrno(folder);
    return fd;
}

int StatAnyLength(const char* path, struct stat* status, bool followLinks)
{
    const char* rest = path;
    int folder = AT_FDCWD;
    if (!ReachLastPiece(&rest, &folder))
        return -1;
    const int result = fstatat(folder, rest, status, followLinks ? 0 : AT_SYMLINK_NOFOLLOW);
    CloseKeepingErrno(folder);
    return result;
}
