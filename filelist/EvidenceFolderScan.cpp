// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include "verdict/EvidenceFileName.h"
#include "platform/PathAnyLength.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct Entry
{
    std::string name;
    unsigned char type;
};

// A folder on the way down: its path, its entries in order and how far the scan got in them.
struct Level
{
    std::string path;
    std::vector<Entry> entries;
    size_t next = 0;
};

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// The type the listing left open (DT_UNKNOWN on some file systems), without following a link.
unsigned char TypeOf(int folderFd, const std::string& name)
{
    struct stat status;
    if (fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return DT_UNKNOWN;
    if (S_ISREG(status.st_mode))
        return DT_REG;
    if (S_ISDIR(status.st_mode))
        return DT_DIR;
    if (S_ISLNK(status.st_mode))
        return DT_LNK;
    return DT_UNKNOWN;
}

bool IsSelfOrParent(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Why an entry the scan does not take is left out, in the words the command line uses: a hidden entry
// and a link before anything else, since neither is looked into, then a file of no evidence type.
// Entries of a type that could not be told name nothing the scan could read and stay unnamed, as before.
bool Skip(const std::string& folder, const Entry& entry, std::vector<SkippedEntry>* skipped)
{
    if (entry.name[0] == '.') {
        skipped->push_back({JoinPath(folder, entry.name), SkippedEntry::Why::Hidden});
        return true;
    }
    if (entry.type == DT_LNK) {
        skipped->push_back({JoinPath(folder, entry.name), SkippedEntry::Why::Link});
        return true;
    }
    if (entry.type != DT_DIR && entry.type != DT_UNKNOWN && !IsEvidenceFileName(entry.name)) {
        skipped->push_back({JoinPath(folder, entry.name), SkippedEntry::Why::NotEvidence});
        return true;
    }
    return false;
}

// The folder's visible files and folders in byte order of their names. The folder is closed again
// before anything below it is opened, so the scan holds no descriptor per level however deep it goes.
// A folder that cannot be read holds nothing for the scan. What is not taken goes to *skipped, when
// given, in the same order.
std::vector<Entry> ReadFolder(const std::string& folder, bool followLink, std::vector<SkippedEntry>* skipped)
{
    std::vector<Entry> entries;
    const int fd =
        OpenAnyLength(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    if (fd < 0)
        return entries;
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return entries;
    }
    while (const dirent* found = readdir(dir)) {
        if (IsSelfOrParent(found->d_name) || (skipped == nullptr && found->d_name[0] == '.'))
            continue;
        Entry entry{found->d_name, found->d_type};
        if (entry.type == DT_UNKNOWN && entry.name[0] != '.')
            entry.type = TypeOf(dirfd(dir), entry.name);
        entries.push_back(std::move(entry));
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    std::vector<Entry> taken;
    for (Entry& entry : entries) {
        if (skipped != nullptr && Skip(folder, entry, skipped))
            continue;
        if (entry.name[0] != '.' && (entry.type == DT_REG || entry.type == DT_DIR))
            taken.push_back(std::move(entry));
    }
    return taken;
}

} // namespace

// Depth first, kept on a list of levels rather than the call stack, which a tree nested thousands
// of levels deep would exhaust.
QList<QByteArray> ScanEvidenceFolder(const QByteArray& folder, const std::function<bool()>& afterEachEntry,
                                     std::vector<SkippedEntry>* skipped)
{
    QList<QByteArray> found;
    std::vector<Level> levels;
    levels.push_back({folder.toStdString(), ReadFolder(folder.toStdString(), true, skipped)});
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.entries.size()) {
            levels.pop_back();
            continue;
        }
        const Entry entry = level.entries[level.next++];
        const std::string path = JoinPath(level.path, entry.name);
        if (entry.type == DT_DIR) {
            levels.push_back({path, ReadFolder(path, false, skipped)});
            continue;
        }
        if (IsEvidenceFileName(entry.name))
            found.append(QByteArray::fromStdString(path));
        if (afterEachEntry && !afterEachEntry())
            break;
    }
    return found;
}
