// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FILEIDENTITY_H
#define QUORLITH_VERDICT_FILEIDENTITY_H

#include "platform/FileStatus.h"

#include <cstdint>

// Which file was read and in what state: the device and inode, the size, and the modification and
// change times in nanoseconds since 1970. Two equal identities taken around a read mean the read saw
// one version; the change time catches an edit whose modification time was put back, the inode a
// file swapped in under the same name. -1 in size or a time: not recorded.
struct FileIdentity
{
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = -1;
    int64_t modifiedNs = -1;
    int64_t changedNs = -1;

    static FileIdentity Of(const FileStatus& status)
    {
        return FileIdentity{status.volume, status.fileId, status.size, status.modifiedNs, status.changedNs};
    }
    bool Recorded() const { return size >= 0 && modifiedNs >= 0 && changedNs >= 0; }
};

inline bool operator==(const FileIdentity& a, const FileIdentity& b)
{
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.modifiedNs == b.modifiedNs &&
           a.changedNs == b.changedNs;
}

inline bool operator!=(const FileIdentity& a, const FileIdentity& b)
{
    return !(a == b);
}

#endif
