// SPDX-License-Identifier: Apache-2.0
#include "cli/TargetCollector.h"

#include "engine/SystemFailure.h"
#include "platform/ReadOnlyFile.h"
#include "verdict/EvidenceFileName.h"
#include "verdict/FolderSearch.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <utility>

namespace {

// A file given by name: which file it is, and the folder and name a folder search would find it by.
struct GivenFile
{
    size_t index = 0; // its place among the targets
    std::string path;
    FolderId file;
    FolderId folder;
    bool searchTakes = false;
};

// The folder of path and the last name in it; the folder is "." for a bare name.
std::pair<std::string, std::string> FolderAndName(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
}

// Only a regular file that is no link and whose name a folder search takes can be found again by one.
GivenFile Given(const std::string& path, const FileStatus& status)
{
    GivenFile given;
    given.path = path;
    given.file = FolderId(status.volume, status.fileId);
    const std::pair<std::string, std::string> place = FolderAndName(path);
    FileStatus itself;
    FileStatus folder;
    given.searchTakes = !place.second.empty() && place.second.front() != '.' &&
                        IsEvidenceFileName(place.second) && StatusOfPath(path.c_str(), false, &itself) == 0 &&
                        itself.kind == FileKind::Regular &&
                        StatusOfPath(place.first.c_str(), true, &folder) == 0;
    if (given.searchTakes)
        given.folder = FolderId(folder.volume, folder.fileId);
    return given;
}

} // namespace

std::vector<VerificationTarget> TargetCollector::Collect(const std::vector<std::string>& paths,
                                                         bool withSizes, const std::function<bool()>& stop)
{
    targets.clear();
    skipped.clear();
    shouldStop = stop;
    std::set<FolderId> searched;
    std::set<FolderId> filesGiven;
    std::vector<GivenFile> givenFiles;
    for (const std::string& path : paths) {
        if (Stopped())
            break;
        FileStatus status;
        const bool exists = StatusOfPath(path.c_str(), true, &status) == 0;
        const int error = exists ? 0 : errno;
        if (IsSystemFailure(error)) {
            targets.push_back(EntryNotExamined(path, error));
            continue;
        }
        if (exists && status.kind == FileKind::Folder) {
            const size_t before = targets.size();
            const size_t skippedBefore = skipped.size();
            SearchFolder(
                path, withSizes, [this] { return !Stopped(); }, &targets, &skipped, &searched);
            const bool searchedAlready = skipped.size() == skippedBefore + 1 && skipped.back().path == path &&
                                         skipped.back().why == SkippedEntry::Why::SearchedAlready;
            if (targets.size() == before && !Stopped() && !searchedAlready) {
                VerificationTarget nothing;
                nothing.path = path;
                nothing.problem = VerdictReason::NoEvidence;
                targets.push_back(nothing);
            }
            continue;
        }
        if (exists && status.kind == FileKind::Regular) {
            if (!filesGiven.insert(FolderId(status.volume, status.fileId)).second) {
                skipped.push_back({path, SkippedEntry::Why::GivenAgain});
                continue;
            }
            givenFiles.push_back(Given(path, status));
            givenFiles.back().index = targets.size();
        }
        VerificationTarget target;
        target.path = path;
        target.size = exists && status.kind == FileKind::Regular ? status.size : 0;
        targets.push_back(target);
    }
    // A file given by name in a folder that was searched, before or after it, is taken where the
    // search found it.
    std::vector<bool> foundAgain(targets.size(), false);
    for (const GivenFile& given : givenFiles) {
        if (given.searchTakes && searched.count(given.folder) != 0) {
            foundAgain[given.index] = true;
            skipped.push_back({given.path, SkippedEntry::Why::GivenAgain});
        }
    }
    // Each target is looked at in its own place, before anything after it moves.
    const VerificationTarget* first = targets.data();
    targets.erase(
        std::remove_if(targets.begin(), targets.end(),
                       [&](const VerificationTarget& target) { return foundAgain[&target - first]; }),
        targets.end());
    return std::move(targets);
}
