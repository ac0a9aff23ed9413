// SPDX-License-Identifier: Apache-2.0
#include "cli/TargetCollector.h"

#include "engine/SystemFailure.h"
#include "filelist/EvidenceFolderScan.h"
#include "verdict/PathAnyLength.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

using FolderId = std::pair<dev_t, ino_t>;

// One entry of a folder as the search takes it: a folder to go down into (only its path is set)
// or a target to list.
struct Entry
{
    bool isFolder = false;
    VerificationTarget target;
};

// A folder on the way down: its entries in order and how far the search got in them.
struct Level
{
    FolderId id;
    std::vector<Entry> entries;
    size_t next = 0;
};

// What could not be done, and where, for a failed call's reason.
struct Failing
{
    const char* cannot;
    const char* during;
};
const Failing kFolderFailing = {"the folder cannot be read", "the system failed while the folder was read"};
const Failing kEntryFailing = {"the entry cannot be examined",
                               "the system failed while the entry was examined"};

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

VerificationTarget Problem(const std::string& path, VerdictReason problem, const std::string& detail)
{
    VerificationTarget target;
    target.path = path;
    target.problem = problem;
    target.problemDetail = detail;
    return target;
}

// A system failure says nothing about the entry, so it is never worded as an unreadable one.
VerificationTarget FailedCall(const std::string& path, int error, const Failing& failing)
{
    if (IsSystemFailure(error))
        return Problem(path, VerdictReason::SystemError,
                       std::string(failing.during) + ": " + std::strerror(error));
    return Problem(path, VerdictReason::Unreadable,
                   std::string(failing.cannot) + ": " + std::strerror(error));
}

bool IsEvidenceName(const std::string& name)
{
    return IsEvidenceFileName(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
}

// Whether the entry name of the folder open as fd is listed or gone into, and as what. The listing's
// type spares the stat of plain files and links; only what it leaves open is looked at with fstatat.
bool TakeEntry(int fd, const std::string& folder, const std::string& name, unsigned char type, Entry* entry,
               std::vector<SkippedEntry>* skipped)
{
    const bool evidenceName = IsEvidenceName(name);
    if (type == DT_LNK || (type == DT_REG && !evidenceName)) {
        skipped->push_back({JoinPath(folder, name),
                            type == DT_LNK ? SkippedEntry::Why::Link : SkippedEntry::Why::NotEvidence});
        return false;
    }
    entry->target.path = JoinPath(folder, name);
    if (type == DT_DIR) {
        entry->isFolder = true;
        return true;
    }
    // Special files are listed by name alone; the verification tells what they are.
    if (type != DT_REG && type != DT_UNKNOWN)
        return evidenceName;

    struct stat status;
    if (fstatat(fd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        entry->target = FailedCall(entry->target.path, errno, kEntryFailing);
        return true;
    }
    if (S_ISLNK(status.st_mode)) {
        skipped->push_back({entry->target.path, SkippedEntry::Why::Link});
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        entry->isFolder = true;
        return true;
    }
    entry->target.size = S_ISREG(status.st_mode) ? status.st_size : 0;
    if (!evidenceName && S_ISREG(status.st_mode))
        skipped->push_back({entry->target.path, SkippedEntry::Why::NotEvidence});
    return evidenceName;
}

// Reads the folder's entries into *level and closes the folder again before anything below it is
// opened, so that the search holds no descriptor per level however deep it goes. What keeps the
// folder from being searched, or from being read to its end, goes to *targets at its place; false
// when there is nothing to search in it.
bool ReadFolder(const std::string& folder, bool followLink, const std::vector<Level>& ancestors, Level* level,
                std::vector<VerificationTarget>* targets, std::vector<SkippedEntry>* skipped)
{
    const int fd =
        OpenAnyLength(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    if (fd < 0) {
        targets->push_back(FailedCall(folder, errno, kFolderFailing));
        return false;
    }
    struct stat status;
    if (fstat(fd, &status) != 0) {
        targets->push_back(FailedCall(folder, errno, kFolderFailing));
        close(fd);
        return false;
    }
    // Without links a folder can only contain itself through a bind mount; say so once and go on.
    level->id = FolderId(status.st_dev, status.st_ino);
    if (std::any_of(ancestors.begin(), ancestors.end(),
                    [&](const Level& up) { return up.id == level->id; })) {
        targets->push_back(Problem(folder, VerdictReason::Unreadable,
                                   "the folder contains itself (a folder loop); not searched again"));
        close(fd);
        return false;
    }
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        targets->push_back(FailedCall(folder, errno, kFolderFailing));
        close(fd);
        return false;
    }

    std::vector<std::pair<std::string, unsigned char>> names;
    std::vector<std::string> hidden;
    errno = 0;
    while (const dirent* found = readdir(dir)) {
        if (found->d_name[0] != '.')
            names.emplace_back(found->d_name, found->d_type);
        else if (std::strcmp(found->d_name, ".") != 0 && std::strcmp(found->d_name, "..") != 0)
            hidden.emplace_back(found->d_name);
        errno = 0;
    }
    if (errno != 0)
        targets->push_back(FailedCall(folder, errno, kFolderFailing));
    std::sort(names.begin(), names.end());
    std::sort(hidden.begin(), hidden.end());
    for (const std::string& name : hidden)
        skipped->push_back({JoinPath(folder, name), SkippedEntry::Why::Hidden});
    for (const auto& [name, type] : names) {
        Entry entry;
        if (TakeEntry(dirfd(dir), folder, name, type, &entry, skipped))
            level->entries.push_back(std::move(entry));
    }
    closedir(dir);
    return true;
}

} // namespace

std::vector<VerificationTarget> TargetCollector::Collect(const std::vector<std::string>& paths,
                                                         const std::function<bool()>& stop)
{
    targets.clear();
    skipped.clear();
    shouldStop = stop;
    for (const std::string& path : paths) {
        if (Stopped())
            break;
        struct stat status;
        const bool exists = StatAnyLength(path.c_str(), &status, true) == 0;
        const int error = exists ? 0 : errno;
        if (IsSystemFailure(error)) {
            targets.push_back(FailedCall(path, error, kEntryFailing));
            continue;
        }
        if (exists && S_ISDIR(status.st_mode)) {
            const size_t before = targets.size();
            SearchFolder(path);
            if (targets.size() == before && !Stopped())
                targets.push_back(Problem(path, VerdictReason::NoEvidence, std::string()));
            continue;
        }
        VerificationTarget target;
        target.path = path;
        target.size = exists && S_ISREG(status.st_mode) ? status.st_size : 0;
        targets.push_back(target);
    }
    return std::move(targets);
}

// Depth first in name order, kept on a list of levels rather than the call stack, which a tree
// nested thousands of levels deep would exhaust.
void TargetCollector::SearchFolder(const std::string& folder)
{
    std::vector<Level> levels;
    Level top;
    if (!ReadFolder(folder, true, levels, &top, &targets, &skipped))
        return;
    levels.push_back(std::move(top));
    while (!levels.empty() && !Stopped()) {
        Level& level = levels.back();
        if (level.next == level.entries.size()) {
            levels.pop_back();
            continue;
        }
        Entry& entry = level.entries[level.next++];
        if (!entry.isFolder) {
            targets.push_back(std::move(entry.target));
            continue;
        }
        Level below;
        if (ReadFolder(entry.target.path, false, levels, &below, &targets, &skipped))
            levels.push_back(std::move(below));
    }
}
