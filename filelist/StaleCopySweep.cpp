// SPDX-License-Identifier: Apache-2.0
#include "filelist/StaleCopySweep.h"

#include "filelist/PrivateCopyName.h"

#include <QFile>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Only "no such process" proves the owner gone; a process of another user answers EPERM.
bool OwnerIsGone(pid_t owner)
{
    return kill(owner, 0) != 0 && errno == ESRCH;
}

bool IsOwnRegularFile(int fd)
{
    struct stat status;
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == geteuid();
}

// A living owner holds an exclusive lock on its copy for the copy's whole life, also when it runs on
// another machine sharing this folder or in another process namespace, where its id means nothing
// here. The copy goes only while the sweep holds that lock itself. Opened through the folder's
// descriptor without following links, so a link named like a copy is never taken for the file it
// points to; O_NONBLOCK keeps a FIFO named like a copy from blocking the open.
bool RemoveIfUnlocked(int folder, const char* name)
{
    const int fd = openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool removed =
        IsOwnRegularFile(fd) && flock(fd, LOCK_EX | LOCK_NB) == 0 && unlinkat(folder, name, 0) == 0;
    close(fd);
    return removed;
}
} // namespace

int RemoveStaleCopies(const QString& folder)
{
    DIR* listing = opendir(QFile::encodeName(folder).constData());
    if (!listing)
        return 0;
    const int folderFd = dirfd(listing);
    int removed = 0;
    while (const dirent* entry = readdir(listing)) {
        const pid_t owner = PrivateCopyOwner(entry->d_name);
        if (owner > 0 && OwnerIsGone(owner) && RemoveIfUnlocked(folderFd, entry->d_name))
            ++removed;
    }
    closedir(listing);
    return removed;
}
