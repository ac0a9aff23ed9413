// SPDX-License-Identifier: Apache-2.0
#include "platform/FolderListing.h"

#include "platform/PathAnyLength.h"
#include "platform/PosixStatus.h"
#include "platform/ReadOnlyFile.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileKind KindOfListed(unsigned char type)
{
    switch (type) {
    case DT_REG:
        return FileKind::Regular;
    case DT_DIR:
        return FileKind::Folder;
    case DT_LNK:
        return FileKind::Link;
    case DT_FIFO:
        return FileKind::Fifo;
    case DT_SOCK:
        return FileKind::Socket;
    case DT_CHR:
    case DT_BLK:
        return FileKind::Device;
    default:
        return FileKind::Other;
    }
}

// The listing's type spares a stat of most entries: only a regular file whose size is wanted and an
// entry whose type the file system does not give are looked at. Hidden entries are never looked at.
void Examine(int folderFd, unsigned char type, const std::function<bool(const std::string&)>& sizeWanted,
             FolderEntry* entry)
{
    entry->kind = KindOfListed(type);
    if (entry->hidden)
        return;
    if (type != DT_UNKNOWN && (entry->kind != FileKind::Regular || !sizeWanted(entry->name)))
        return;
    struct stat status;
    if (fstatat(folderFd, entry->name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        entry->error = errno;
        return;
    }
    entry->kind = KindOfMode(status.st_mode);
    if (entry->kind == FileKind::Regular)
        entry->size = status.st_size;
}

} // namespace

int ListFolder(const char* path, bool followLink, const std::function<bool(const std::string&)>& sizeWanted,
               FileStatus* folder, std::vector<FolderEntry>* entries, int* listError)
{
    *listError = 0;
    const int fd = OpenAnyLength(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    if (fd < 0)
        return -1;
    if (StatusOfFile(fd, folder) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    errno = 0;
    while (const dirent* found = readdir(dir)) {
        const std::string name = found->d_name;
        if (name != "." && name != "..") {
            FolderEntry entry;
            entry.name = name;
            entry.hidden = name[0] == '.';
            Examine(dirfd(dir), found->d_type, sizeWanted, &entry);
            entries->push_back(std::move(entry));
        }
        errno = 0;
    }
    *listError = errno;
    closedir(dir);
    return 0;
}

bool EndsInPathSeparator(const std::string& path)
{
    return !path.empty() && path.back() == '/';
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (EndsInPathSeparator(folder))
        return folder + name;
    return folder + "/" + name;
}
