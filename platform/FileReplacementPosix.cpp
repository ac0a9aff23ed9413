// SPDX-License-Identifier: Apache-2.0
#include "platform/FileReplacement.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What a new file gets from open(2) with 0666, or what the file it replaces had.
mode_t ModeFor(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        return status.st_mode & 07777;
    const mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

int CreateTemporaryBeside(const std::string& path, std::string* temporary, int* error)
{
    const size_t slash = path.rfind('/');
    const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    *temporary = path.substr(0, nameAt) + '.' + path.substr(nameAt) + ".XXXXXX";
    const int descriptor = mkostemp(temporary->data(), O_CLOEXEC);
    if (descriptor < 0)
        *error = errno;
    return descriptor;
}

int TakePermissionsOf(int descriptor, const std::string& path)
{
    return fchmod(descriptor, ModeFor(path)) == 0 ? 0 : errno;
}

int CloseDescriptor(int descriptor)
{
    return close(descriptor) == 0 ? 0 : errno;
}

void RemoveQuietly(const std::string& path)
{
    unlink(path.c_str());
}

int RenameOver(const std::string& from, const std::string& to)
{
    return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void SyncFolderOf(const std::string& path)
{
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    fsync(folder);
    close(folder);
}
