// SPDX-License-Identifier: Apache-2.0
#include "platform/WidePath.h"

#include <windows.h>

#include <cerrno>
#include <vector>

namespace {

// FILETIME counts 100 ns steps since 1601; the rest of the program counts nanoseconds since 1970.
int64_t NanosecondsSince1970(LARGE_INTEGER time)
{
    const int64_t kStepsFrom1601To1970 = 116444736000000000LL;
    return (time.QuadPart - kStepsFrom1601To1970) * 100;
}

FileKind KindOfHandle(HANDLE handle, DWORD attributes, bool describeLink)
{
    switch (GetFileType(handle)) {
    case FILE_TYPE_CHAR:
        return FileKind::Device;
    case FILE_TYPE_PIPE:
        return FileKind::Fifo;
    case FILE_TYPE_DISK:
        break;
    default:
        return FileKind::Other;
    }
    if (describeLink && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return FileKind::Link;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return FileKind::Folder;
    return FileKind::Regular;
}

// The volume and the file's id on it; the 128-bit ids of ReFS are folded to 64 bits.
bool TakeIdentity(HANDLE handle, FileStatus* status)
{
    FILE_ID_INFO id;
    if (GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id)) {
        uint64_t low = 0;
        uint64_t high = 0;
        static_assert(sizeof id.FileId.Identifier == 16, "a file id has 128 bits");
        memcpy(&low, id.FileId.Identifier, 8);
        memcpy(&high, id.FileId.Identifier + 8, 8);
        status->volume = id.VolumeSerialNumber;
        status->fileId = low ^ high;
        return true;
    }
    // File systems and older systems without 128-bit ids still give the 64-bit index.
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info))
        return false;
    status->volume = info.dwVolumeSerialNumber;
    status->fileId = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

} // namespace

bool WideFromUtf8(const std::string& text, std::wstring* wide)
{
    wide->clear();
    if (text.empty())
        return true;
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return false;
    wide->resize(static_cast<size_t>(length));
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        &(*wide)[0], length);
    return true;
}

std::string Utf8FromWide(const wchar_t* wide)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], length, nullptr, nullptr);
    text.resize(static_cast<size_t>(length - 1));
    return text;
}

bool ExtendedLengthPath(const char* path, std::wstring* extended)
{
    std::wstring wide;
    if (!WideFromUtf8(path, &wide) || wide.empty()) {
        errno = ENOENT;
        return false;
    }
    if (wide.compare(0, 4, L"\\\\?\\") == 0) {
        *extended = wide;
        return true;
    }
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        FailWithLastError();
        return false;
    }
    std::vector<wchar_t> full(needed + 1);
    const DWORD length =
        GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        FailWithLastError();
        return false;
    }
    const std::wstring absolute(full.data(), length);
    if (absolute.compare(0, 4, L"\\\\.\\") == 0)
        *extended = absolute; // a device path stays as it is
    else if (absolute.compare(0, 2, L"\\\\") == 0)
        *extended = L"\\\\?\\UNC\\" + absolute.substr(2);
    else
        *extended = L"\\\\?\\" + absolute;
    return true;
}

int ErrnoFromWindowsError(unsigned long error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
    case ERROR_CANT_ACCESS_FILE:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
    case ERROR_NO_SYSTEM_RESOURCES:
        return ENOMEM;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}

int FailWithLastError()
{
    errno = ErrnoFromWindowsError(GetLastError());
    return -1;
}

int StatusOfHandle(void* handle, bool describeLink, FileStatus* status)
{
    *status = FileStatus();
    const DWORD type = GetFileType(handle);
    if (type != FILE_TYPE_DISK) {
        if (type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR)
            return FailWithLastError();
        status->kind = KindOfHandle(handle, 0, describeLink);
        return 0;
    }
    FILE_BASIC_INFO basic;
    FILE_STANDARD_INFO standard;
    if (!GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) ||
        !GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) ||
        !TakeIdentity(handle, status))
        return FailWithLastError();
    status->kind = KindOfHandle(handle, basic.FileAttributes, describeLink);
    status->size = status->kind == FileKind::Regular ? standard.EndOfFile.QuadPart : 0;
    status->modifiedNs = NanosecondsSince1970(basic.LastWriteTime);
    status->changedNs = NanosecondsSince1970(basic.ChangeTime);
    status->accessedNs = NanosecondsSince1970(basic.LastAccessTime);
    return 0;
}
