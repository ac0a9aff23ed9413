// SPDX-License-Identifier: Apache-2.0
#include "platform/ReadOnlyFile.h"

#include "platform/PathAnyLength.h"
#include "platform/PosixStatus.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(kFileInUseError == EBUSY, "the in-use error is EBUSY");

int OpenForReading(const char* path)
{
    return OpenAnyLength(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

int OpenEvidenceForReading(const char* path, bool* accessTimeKept)
{
#ifdef O_NOATIME
    const int fd = OpenAnyLength(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOATIME);
    // Only the owner or a privileged user may ask for it: anyone else reads the file as usual.
    if (fd >= 0 || errno != EPERM) {
        *accessTimeKept = fd >= 0;
        return fd;
    }
#endif
    *accessTimeKept = false;
    return OpenForReading(path);
}

void CloseFile(int fd)
{
    close(fd);
}

int64_t ReadAt(int fd, int64_t offset, void* buffer, size_t length)
{
    for (;;) {
        const ssize_t got = pread(fd, buffer, length, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

int StatusOfFile(int fd, FileStatus* status)
{
    struct stat found;
    if (fstat(fd, &found) != 0)
        return -1;
    *status = StatusFromStat(found);
    return 0;
}

int StatusOfPath(const char* path, bool followLinks, FileStatus* status)
{
    struct stat found;
    if (StatAnyLength(path, &found, followLinks) != 0)
        return -1;
    *status = StatusFromStat(found);
    return 0;
}
