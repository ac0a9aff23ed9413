// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include "platform/FolderListing.h"
#include "verdict/EvidenceFileName.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// A folder on the way down: its path, the entries to take in order and how far the scan got in them.
struct Level
{
    std::string path;
    std::vector<FolderEntry> entries;
    size_t next = 0;
};

// Why an entry the scan does not take is left out, in the words the command line uses: a hidden entry
// and a link before anything else, since neither is looked into, then anything but a folder whose name
// is no evidence type. An entry that could not be examined names nothing the scan could read.
bool Skip(const std::string& folder, const FolderEntry& entry, std::vector<SkippedEntry>* skipped)
{
    if (entry.hidden) {
        skipped->push_back({JoinPath(folder, entry.name), SkippedEntry::Why::Hidden});
        return true;
    }
    if (entry.error != 0)
        return false;
    if (entry.kind == FileKind::Link) {
        skipped->push_back({JoinPath(folder, entry.name), SkippedEntry::Why::Link});
        return true;
    }
    if (entry.kind != FileKind::Folder && !IsEvidenceFileName(entry.name)) {
        skipped->push_back({JoinPath(folder, entry.name), SkippedEntry::Why::NotEvidence});
        return true;
    }
    return false;
}

// The folder's visible files and folders in byte order of their names. The folder is closed again
// before anything below it is opened, so the scan holds no descriptor per level however deep it goes.
// A folder that cannot be read holds nothing for the scan. What is not taken goes to *skipped, when
// given, in the same order.
std::vector<FolderEntry> ReadFolder(const std::string& folder, bool followLink,
                                    std::vector<SkippedEntry>* skipped)
{
    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = 0;
    if (ListFolder(
            folder.c_str(), followLink, [](const std::string&) { return false; }, &status, &entries,
            &listError) != 0)
        return {};
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    std::vector<FolderEntry> taken;
    for (FolderEntry& entry : entries) {
        if (skipped != nullptr && Skip(folder, entry, skipped))
            continue;
        // Besides files and folders, an entry named as evidence that is something else (a fifo, a
        // device) or that could not be examined is taken too: its row then says what it is, where
        // leaving it out would leave no trace of it.
        if (!entry.hidden && entry.kind != FileKind::Link &&
            (entry.kind == FileKind::Regular || entry.kind == FileKind::Folder || entry.error != 0 ||
             IsEvidenceFileName(entry.name)))
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
        const FolderEntry entry = level.entries[level.next++];
        const std::string path = JoinPath(level.path, entry.name);
        if (entry.kind == FileKind::Folder && entry.error == 0) {
            levels.push_back({path, ReadFolder(path, false, skipped)});
            continue;
        }
        if (entry.error != 0 || IsEvidenceFileName(entry.name))
            found.append(QByteArray::fromStdString(path));
        if (afterEachEntry && !afterEachEntry())
            break;
    }
    return found;
}
