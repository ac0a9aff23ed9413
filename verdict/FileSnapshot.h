// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FILESNAPSHOT_H
#define QUORLITH_VERDICT_FILESNAPSHOT_H

#include "platform/FileStatus.h"
#include "verdict/FileIdentity.h"

// What identifies a file's state: which file it is, its size and its modification and change
// times to the nanosecond. Two equal snapshots taken around a read mean the read saw one version.
class FileSnapshot
{
public:
    // From a path of any length (following links, as opening it would) or a descriptor; false on failure.
    bool TakeOfPath(const char* path);
    bool TakeOfDescriptor(int fd);

    const FileStatus& Status() const { return status; }
    // The modification time in nanoseconds since 1970.
    long long ModifiedNs() const { return status.modifiedNs; }
    // The change time (status or content) in nanoseconds since 1970.
    long long ChangedNs() const { return status.changedNs; }
    FileIdentity Identity() const { return FileIdentity::Of(status); }
    bool SameFileAndState(const FileSnapshot& other) const { return Identity() == other.Identity(); }

private:
    FileStatus status;
};

#endif
