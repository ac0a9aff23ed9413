// SPDX-License-Identifier: Apache-2.0
#include "verdict/FolderSearch.h"

#include "engine/SystemFailure.h"
#include "platform/FolderListing.h"
#include "platform/SystemError.h"
#include "verdict/EvidenceFileName.h"
#include "verdict/UnreadableWords.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace {

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
    UnreadableThing cannot;
    const char* during;
};
const Failing kFolderFailing = {UnreadableThing::Folder, "the system failed while the folder was read"};
const Failing kEntryFailing = {UnreadableThing::Entry, "the system failed while the entry was examined"};

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
                       std::string(failing.during) + ": " + SystemErrorText(error));
    return Problem(path, VerdictReason::Unreadable, UnreadableDetail(failing.cannot, SystemErrorText(error)));
}

// How many files below the hidden folder a search would take if it were not hidden, with those below
// the hidden folders inside it: what a hidden folder holds is counted, though not verified.
long long EvidenceBelow(const std::string& folder)
{
    std::vector<VerificationTarget> found;
    std::vector<SkippedEntry> inside;
    SearchFolder(folder, false, {}, &found, &inside);
    long long count = std::count_if(found.begin(), found.end(), [](const VerificationTarget& target) {
        return target.problem == VerdictReason::None;
    });
    for (const SkippedEntry& entry : inside)
        count += entry.evidenceInside > 0 ? entry.evidenceInside : 0;
    return count;
}

// Whether an entry is listed or gone into, and as what. Hidden entries and links are neither: they,
// and files whose names are no evidence type, go to *skipped, so that nothing is left out unseen.
bool TakeEntry(const std::string& folder, const FolderEntry& found, Entry* entry,
               std::vector<SkippedEntry>* skipped)
{
    const std::string path = JoinPath(folder, found.name);
    if (found.hidden) {
        SkippedEntry hidden{path, SkippedEntry::Why::Hidden};
        if (found.error == 0 && found.kind == FileKind::Folder)
            hidden.evidenceInside = EvidenceBelow(path);
        skipped->push_back(hidden);
        return false;
    }
    entry->target.path = path;
    if (found.error != 0) {
        entry->target = EntryNotExamined(path, found.error);
        return true;
    }
    switch (found.kind) {
    case FileKind::Link:
        skipped->push_back({path, SkippedEntry::Why::Link});
        return false;
    case FileKind::Folder:
        entry->isFolder = true;
        return true;
    case FileKind::Regular:
        entry->target.size = found.size;
        if (!IsEvidenceFileName(found.name)) {
            skipped->push_back({path, SkippedEntry::Why::NotEvidence});
            return false;
        }
        return true;
    default:
        // Special files are listed by name alone; the verification tells what they are.
        if (!IsEvidenceFileName(found.name)) {
            skipped->push_back({path, SkippedEntry::Why::NotEvidence});
            return false;
        }
        return true;
    }
}

bool NoSize(const std::string&)
{
    return false;
}

// Reads the folder's entries into *level; the listing closes the folder again before anything below it
// is opened, so that the search holds nothing open per level however deep it goes. What keeps the
// folder from being searched, or from being read to its end, goes to *targets at its place; false
// when there is nothing to search in it.
bool ReadFolder(const std::string& folder, bool followLink, bool withSizes,
                const std::vector<Level>& ancestors, Level* level, std::vector<VerificationTarget>* targets,
                std::vector<SkippedEntry>* skipped, std::set<FolderId>* searched)
{
    FileStatus status;
    std::vector<FolderEntry> found;
    int listError = 0;
    if (ListFolder(folder.c_str(), followLink, withSizes ? IsEvidenceFileName : NoSize, &status, &found,
                   &listError) != 0) {
        targets->push_back(FailedCall(folder, errno, kFolderFailing));
        return false;
    }
    // Without links a folder can only contain itself through a bind mount; say so once and go on.
    level->id = FolderId(status.volume, status.fileId);
    if (std::any_of(ancestors.begin(), ancestors.end(),
                    [&](const Level& up) { return up.id == level->id; })) {
        targets->push_back(Problem(folder, VerdictReason::Unreadable,
                                   "the folder contains itself (a folder loop); not searched again"));
        return false;
    }
    if (searched && !searched->insert(level->id).second) {
        skipped->push_back({folder, SkippedEntry::Why::SearchedAlready});
        return false;
    }
    if (listError != 0)
        targets->push_back(FailedCall(folder, listError, kFolderFailing));
    std::sort(found.begin(), found.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    for (const FolderEntry& each : found) {
        Entry entry;
        if (TakeEntry(folder, each, &entry, skipped))
            level->entries.push_back(std::move(entry));
    }
    return true;
}

} // namespace

VerificationTarget EntryNotExamined(const std::string& path, int error)
{
    return FailedCall(path, error, kEntryFailing);
}

// Depth first in name order, kept on a list of levels rather than the call stack, which a tree
// nested thousands of levels deep would exhaust.
void SearchFolder(const std::string& folder, bool withSizes, const std::function<bool()>& goOn,
                  std::vector<VerificationTarget>* targets, std::vector<SkippedEntry>* skipped,
                  std::set<FolderId>* searched)
{
    const auto goesOn = [&goOn] { return !goOn || goOn(); };
    std::vector<Level> levels;
    Level top;
    if (!ReadFolder(folder, true, withSizes, levels, &top, targets, skipped, searched))
        return;
    levels.push_back(std::move(top));
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.entries.size()) {
            levels.pop_back();
            continue;
        }
        if (!goesOn())
            return;
        Entry& entry = level.entries[level.next++];
        if (!entry.isFolder) {
            targets->push_back(std::move(entry.target));
            continue;
        }
        Level below;
        if (ReadFolder(entry.target.path, false, withSizes, levels, &below, targets, skipped, searched))
            levels.push_back(std::move(below));
    }
}
