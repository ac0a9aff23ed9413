// SPDX-License-Identifier: Apache-2.0
#include "platform/FileReplacement.h"

#include "platform/WidePath.h"

#include <windows.h>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <io.h>

namespace {

// Six characters that differ between calls and processes; CREATE_NEW refuses a name that is taken,
// so a clash only costs another try.
std::string NameSuffix(unsigned attempt)
{
    static std::atomic<unsigned> calls{0};
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned long long seed = GetTickCount64() * 2654435761ULL ^ (GetCurrentProcessId() * 40503ULL) ^
                              (calls.fetch_add(1) * 2246822519ULL) ^ attempt;
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        suffix += kLetters[seed % 36];
        seed = seed / 36 + seed * 6364136223846793005ULL;
    }
    return suffix;
}

int ErrnoOfLastError()
{
    return ErrnoFromWindowsError(GetLastError());
}

} // namespace

int CreateTemporaryBeside(const std::string& path, std::string* temporary, int* error)
{
    const size_t separator = path.find_last_of("/\\");
    const size_t nameAt = separator == std::string::npos ? 0 : separator + 1;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        *temporary = path.substr(0, nameAt) + '.' + path.substr(nameAt) + '.' + NameSuffix(attempt);
        std::wstring wide;
        if (!ExtendedLengthPath(temporary->c_str(), &wide)) {
            *error = errno;
            return -1;
        }
        // Hidden, as a name starting with a dot is elsewhere; the handle is not inherited by child
        // processes (no security attributes) and others may read but not write it meanwhile.
        const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            *error = ErrnoOfLastError();
            return -1;
        }
        const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY | _O_WRONLY);
        if (descriptor < 0) {
            CloseHandle(handle);
            DeleteFileW(wide.c_str());
            *error = EMFILE;
            return -1;
        }
        return descriptor;
    }
    *error = EEXIST;
    return -1;
}

// Access on Windows is the access list the folder hands down to a new file (see RenameOver); there are
// no permission bits to copy.
int TakePermissionsOf(int, const std::string&)
{
    return 0;
}

int CloseDescriptor(int descriptor)
{
    return _close(descriptor) == 0 ? 0 : errno;
}

void RemoveQuietly(const std::string& path)
{
    std::wstring wide;
    if (ExtendedLengthPath(path.c_str(), &wide))
        DeleteFileW(wide.c_str());
}

int RenameOver(const std::string& from, const std::string& to)
{
    std::wstring wideFrom;
    std::wstring wideTo;
    if (!ExtendedLengthPath(from.c_str(), &wideFrom) || !ExtendedLengthPath(to.c_str(), &wideTo))
        return errno;
    // The temporary file was hidden while it was incomplete. ReplaceFileW would keep the replaced
    // file's access list, but Wine's leaves a file of its own behind; the saved file takes the folder's
    // inherited access, as any new file there does.
    if (!SetFileAttributesW(wideFrom.c_str(), FILE_ATTRIBUTE_NORMAL))
        return ErrnoOfLastError();
    if (!MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ErrnoOfLastError();
    return 0;
}

// MoveFileExW with MOVEFILE_WRITE_THROUGH returns only once the rename is on the disk.
void SyncFolderOf(const std::string&) {}
