// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_FILESTATUS_H
#define QUORLITH_PLATFORM_FILESTATUS_H

#include <cstdint>

// What a file is, as far as reading evidence goes: only a regular file holds any.
enum class FileKind
{
    Regular,
    Folder,
    Link, // a symbolic link, or on Windows any reparse point, described itself rather than followed
    Fifo,
    Socket,
    Device,
    Other,
};

// The facts that identify a file's state on every system: which file it is (the device and inode, or
// on Windows the volume serial number and file id), its size, and its modification and change times in
// nanoseconds since 1970. The change time moves on every edit of content or status, also one whose
// modification time was put back; on Windows it is the file system's ChangeTime, not the creation time.
struct FileStatus
{
    FileKind kind = FileKind::Other;
    int64_t size = 0;
    uint64_t volume = 0;
    uint64_t fileId = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    // What a report tells about the file besides its identity, never compared: reading the file moves
    // its access time. -1 where the system keeps no such fact (on Windows: owner and permissions).
    int64_t accessedNs = -1;
    int64_t ownerId = -1;
    int permissions = -1; // the permission bits of the mode, e.g. 0644
};

// The same file, of the same size and times: a reading between two such statuses saw one version.
inline bool SameFileAndState(const FileStatus& a, const FileStatus& b)
{
    return a.volume == b.volume && a.fileId == b.fileId && a.size == b.size && a.modifiedNs == b.modifiedNs &&
           a.changedNs == b.changedNs;
}

#endif
