// SPDX-License-Identifier: Apache-2.0
#include "filelist/StaleCopySweep.h"

#include "filelist/PrivateCopyName.h"

#include <QFile>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Only "no such process" proves the owner gone; a process of another user answers EPERM.
bool OwnerIsGone(pid_t owner)
{
    return kill(owner, 0) != 0 && errno == ESRCH;
}

// Looked at through the folder's descriptor without following links, so a link named like a copy
// is never taken for the file it points to.
bool IsOwnRegularFile(int folder, const char* name)
{
    struct stat status;
    return fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
           status.st_uid == geteuid();
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
        if (owner <= 0 || !OwnerIsGone(owner) || !IsOwnRegularFile(folderFd, entry->d_name))
            continue;
        if (unlinkat(folderFd, entry->d_name, 0) == 0)
            ++removed;
    }
    closedir(listing);
    return removed;
}
