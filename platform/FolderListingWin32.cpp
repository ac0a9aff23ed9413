// SPDX-License-Identifier: Apache-2.0
#include "platform/FolderListing.h"

#include "platform/WidePath.h"

#include <windows.h>

#include <cerrno>

namespace {

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A listing tells links and junctions by their reparse attribute: they are described, never followed.
FolderEntry EntryOf(const WIN32_FIND_DATAW& found, const std::function<bool(const std::string&)>& sizeWanted)
{
    FolderEntry entry;
    entry.name = Utf8FromWide(found.cFileName);
    const DWORD attributes = found.dwFileAttributes;
    entry.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0 || entry.name[0] == '.';
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        entry.kind = FileKind::Link;
    else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        entry.kind = FileKind::Folder;
    else if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0)
        entry.kind = FileKind::Device;
    else
        entry.kind = FileKind::Regular;
    if (entry.kind == FileKind::Regular && !entry.hidden && sizeWanted(entry.name))
        entry.size =
            static_cast<int64_t>((static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
    return entry;
}

bool IsDotOrDotDot(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

} // namespace

int ListFolder(const char* path, bool followLink, const std::function<bool(const std::string&)>& sizeWanted,
               FileStatus* folder, std::vector<FolderEntry>* entries, int* listError)
{
    *listError = 0;
    std::wstring extended;
    if (!ExtendedLengthPath(path, &extended))
        return -1;
    // The folder stays open while it is listed, so the identity taken is the one of the folder listed.
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const HANDLE handle = CreateFileW(extended.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES, kShareAll,
                                      nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return FailWithLastError();
    if (StatusOfHandle(handle, !followLink, folder) != 0 || folder->kind != FileKind::Folder) {
        const int error = folder->kind == FileKind::Folder ? errno : ENOTDIR;
        CloseHandle(handle);
        errno = error;
        return -1;
    }

    const std::wstring pattern = extended + (extended.back() == L'\\' ? L"*" : L"\\*");
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            *listError = ErrnoFromWindowsError(GetLastError());
        CloseHandle(handle);
        return 0;
    }
    do {
        if (!IsDotOrDotDot(found.cFileName))
            entries->push_back(EntryOf(found, sizeWanted));
    } while (FindNextFileW(search, &found));
    if (GetLastError() != ERROR_NO_MORE_FILES)
        *listError = ErrnoFromWindowsError(GetLastError());
    FindClose(search);
    CloseHandle(handle);
    return 0;
}

bool EndsInPathSeparator(const std::string& path)
{
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (EndsInPathSeparator(folder))
        return folder + name;
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    return folder + separator + name;
}
