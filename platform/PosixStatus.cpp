// SPDX-License-Identifier: Apache-2.0
#include "platform/PosixStatus.h"

namespace {

int64_t Nanoseconds(const struct timespec& time)
{
    return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

FileKind KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISLNK(mode))
        return FileKind::Link;
    if (S_ISFIFO(mode))
        return FileKind::Fifo;
    if (S_ISSOCK(mode))
        return FileKind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    return FileKind::Other;
}

FileStatus StatusFromStat(const struct stat& found)
{
    FileStatus status;
    status.kind = KindOfMode(found.st_mode);
    status.size = found.st_size;
    status.volume = found.st_dev;
    status.fileId = found.st_ino;
    status.modifiedNs = Nanoseconds(found.st_mtim);
    status.changedNs = Nanoseconds(found.st_ctim);
    status.accessedNs = Nanoseconds(found.st_atim);
    status.ownerId = found.st_uid;
    status.permissions = static_cast<int>(found.st_mode & 07777);
    return status;
}
