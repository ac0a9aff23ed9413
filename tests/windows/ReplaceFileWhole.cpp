// SPDX-License-Identifier: Apache-2.0
// Writes files whole through the platform's replacement steps, as a report is saved, in the folder
// given (a UTF-8 path), and prints one line per case: "ok NAME" or "failed NAME: why". Run under Wine
// by the Windows check.
#include "platform/DescriptorOutput.h"
#include "platform/FileReplacement.h"
#include "platform/WidePath.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Contents(const std::string& path)
{
    std::wstring wide;
    if (!ExtendedLengthPath(path.c_str(), &wide))
        return "<no path>";
    std::ifstream in(wide.c_str(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? text.str() : "<unreadable>";
}

bool IsHidden(const std::string& path)
{
    std::wstring wide;
    const DWORD attributes =
        ExtendedLengthPath(path.c_str(), &wide) ? GetFileAttributesW(wide.c_str()) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

// The entries of the folder whose names start with a dot: what a failed or finished save left.
std::vector<std::string> DotEntries(const std::string& folder)
{
    std::vector<std::string> found;
    std::wstring pattern;
    if (!ExtendedLengthPath((folder + "\\.*").c_str(), &pattern))
        return found;
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        const std::string name = Utf8FromWide(entry.cFileName);
        if (name != "." && name != "..")
            found.push_back(name);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// The steps of a whole-file save; 0 or the errno of the step that failed.
int SaveWhole(const std::string& path, const std::string& text)
{
    std::string temporary;
    int error = 0;
    const int descriptor = CreateTemporaryBeside(path, &temporary, &error);
    if (descriptor < 0)
        return error;
    if (!IsHidden(temporary))
        error = EPERM;
    if (!error)
        error = TakePermissionsOf(descriptor, path);
    if (!error)
        error = WriteAllTo(descriptor, text.data(), text.size());
    if (!error)
        error = SyncToDisk(descriptor);
    const int closeError = CloseDescriptor(descriptor);
    if (!error)
        error = closeError;
    if (!error)
        error = RenameOver(temporary, path);
    if (error)
        RemoveQuietly(temporary);
    else
        SyncFolderOf(path);
    return error;
}

int failures = 0;

void Expect(const std::string& name, bool holds, const std::string& why)
{
    if (holds) {
        std::printf("ok %s\n", name.c_str());
    } else {
        std::printf("failed %s: %s\n", name.c_str(), why.c_str());
        ++failures;
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: replace-file-whole FOLDER\n");
        return 2;
    }
    const std::string folder = Utf8FromWide(argv[1]);
    const std::string fresh = folder + "\\report.pdf";
    const std::string named = folder + "/Ωμέγα камера 證據.csv";
    const std::string kept = folder + "\\kept.json";

    int error = SaveWhole(fresh, "first");
    Expect("new name", error == 0 && Contents(fresh) == "first" && !IsHidden(fresh),
           "status " + std::to_string(error) + ", contents " + Contents(fresh));
    error = SaveWhole(fresh, "second, longer than the first");
    Expect("replaces whole",
           error == 0 && Contents(fresh) == "second, longer than the first" && !IsHidden(fresh),
           "status " + std::to_string(error) + ", contents " + Contents(fresh));
    error = SaveWhole(named, "named");
    Expect("name in any script, '/' as separator", error == 0 && Contents(named) == "named",
           "status " + std::to_string(error));

    std::string temporary;
    int createError = 0;
    Expect("missing folder",
           CreateTemporaryBeside(folder + "\\gone\\x.pdf", &temporary, &createError) < 0 &&
               createError == ENOENT,
           "error " + std::to_string(createError));

    // A file held open by another program without delete sharing cannot be replaced: the save fails
    // with a reason, and the file keeps what it had.
    SaveWhole(kept, "kept");
    std::wstring wideKept;
    ExtendedLengthPath(kept.c_str(), &wideKept);
    const HANDLE holder =
        CreateFileW(wideKept.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    error = SaveWhole(kept, "lost");
    CloseHandle(holder);
    Expect("held file stays", error != 0 && Contents(kept) == "kept",
           "status " + std::to_string(error) + ", contents " + Contents(kept));

    const std::vector<std::string> left = DotEntries(folder);
    Expect("no temporary file left", left.empty(), left.empty() ? "" : left.front());
    return failures == 0 ? 0 : 1;
}
