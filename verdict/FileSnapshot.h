// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FILESNAPSHOT_H
#define QUORLITH_VERDICT_FILESNAPSHOT_H

#include <sys/stat.h>

// What identifies a file's state: which file it is, its size and its modification and change
// times to the nanosecond. Two equal snapshots taken around a read mean the read saw one version.
class FileSnapshot
{
public:
    // From a path of any length (following links, as opening it would) or a descriptor; false on failure.
    bool TakeOfPath(const char* path);
    bool TakeOfDescriptor(int fd);

    const struct stat& Status() const { return status; }
    // The modification time in nanoseconds since 1970.
    long long ModifiedNs() const
    {
        return static_cast<long long>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    }
    // The change time (status or content) in nanoseconds since 1970.
    long long ChangedNs() const
    {
        return static_cast<long long>(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec;
    }
    bool SameFileAndState(const FileSnapshot& other) const;

private:
    struct stat status = {};
};

#endif
