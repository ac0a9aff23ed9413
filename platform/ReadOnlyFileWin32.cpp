// SPDX-License-Identifier: Apache-2.0
#include "platform/ReadOnlyFile.h"

#include "platform/WidePath.h"

#include <windows.h>

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <string>

static_assert(kFileInUseError == EBUSY, "the in-use error is EBUSY");

namespace {

// Others keep every right they have: evidence is never locked while it is verified.
const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// ReadFile takes a 32-bit count.
const size_t kMaxReadLength = size_t(1) << 30;

HANDLE HandleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

int StatusOfExtendedPath(const std::wstring& extended, bool followLinks, FileStatus* status)
{
    // Opened for its attributes alone, which another program's lock on the content does not refuse.
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE handle = CreateFileW(extended.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                      OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return FailWithLastError();
    const int result = StatusOfHandle(handle, !followLinks, status);
    const int error = errno;
    CloseHandle(handle);
    errno = error;
    return result;
}

// Windows cannot find a file named with a separator after it; POSIX answers ENOTDIR, which tells that
// something is there but was named as a folder. The same answer here, so both builds give one reason.
int FailNamedAsFolder(std::wstring extended, bool followLinks)
{
    const int error = errno;
    const size_t named = extended.size();
    while (extended.size() > 7 && (extended.back() == L'\\' || extended.back() == L'/'))
        extended.pop_back();
    FileStatus status;
    const bool fileWithoutSeparator = error == ENOENT && extended.size() < named &&
                                      StatusOfExtendedPath(extended, followLinks, &status) == 0 &&
                                      status.kind != FileKind::Folder;
    errno = fileWithoutSeparator ? ENOTDIR : error;
    return -1;
}

} // namespace

int OpenForReading(const char* path)
{
    std::wstring extended;
    if (!ExtendedLengthPath(path, &extended))
        return -1;
    // Backup semantics open a folder too, so that its status tells what it is.
    const HANDLE handle = CreateFileW(extended.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return FailWithLastError();
    // In binary mode: nothing of the C runtime's text translation ever comes between the bytes and us.
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        errno = EMFILE;
    }
    return fd;
}

// Windows keeps updating the last access time of a file opened this way; the report says so.
int OpenEvidenceForReading(const char* path, bool* accessTimeKept)
{
    *accessTimeKept = false;
    return OpenForReading(path);
}

void CloseFile(int fd)
{
    _close(fd);
}

int64_t ReadAt(int fd, int64_t offset, void* buffer, size_t length)
{
    const HANDLE handle = HandleOf(fd);
    if (handle == INVALID_HANDLE_VALUE || offset < 0) {
        errno = EBADF;
        return -1;
    }
    // The offset travels with the call; on a handle opened for synchronous reads the call waits for
    // its bytes, and several threads may read one handle at their own offsets.
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
    const DWORD want = static_cast<DWORD>(length < kMaxReadLength ? length : kMaxReadLength);
    DWORD got = 0;
    if (!ReadFile(handle, buffer, want, &got, &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF)
            return 0;
        return FailWithLastError();
    }
    return got;
}

int StatusOfFile(int fd, FileStatus* status)
{
    const HANDLE handle = HandleOf(fd);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return -1;
    }
    return StatusOfHandle(handle, false, status);
}

int StatusOfPath(const char* path, bool followLinks, FileStatus* status)
{
    std::wstring extended;
    if (!ExtendedLengthPath(path, &extended))
        return -1;
    if (StatusOfExtendedPath(extended, followLinks, status) == 0)
        return 0;
    return FailNamedAsFolder(extended, followLinks);
}
