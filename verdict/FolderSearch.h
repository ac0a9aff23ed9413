// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FOLDERSEARCH_H
#define QUORLITH_VERDICT_FOLDERSEARCH_H

#include "verdict/SkippedEntry.h"
#include "verdict/VerificationTarget.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A folder as the system tells it apart from every other: volume and file id.
using FolderId = std::pair<uint64_t, uint64_t>;

// The folder search of both programs. Appends to *targets every target below folder, at any depth: files
// whose last suffix is jpg, avi, mp4 or mxg in any case (verdict/EvidenceFileName.h), and special files
// of such a name, whose verification tells what they are. Entries are taken in byte order of their names,
// a folder's content where the folder stands, so that a report is the same on every run. Entries whose
// names start with a dot and links below folder are neither listed nor followed; they, and files whose
// names are no evidence type, go to *skipped, each folder's when the folder is read. Nothing is left out
// silently: entries that cannot be examined, folders that cannot be read or whose listing breaks off,
// folder loops and system failures become targets that fail with their reason, at their place. A link
// given as folder is followed. Folders are searched at any depth, also where paths pass PATH_MAX, with
// a few descriptors at most. A target has its size only withSizes: looking each file up costs a system
// call that the search does not need otherwise. goOn, when set, is asked before each entry of a folder is
// taken, a file or a folder to go into; once it answers false the search ends with what it found.
// searched, when given, holds the folders whose entries were taken already, by this search or by
// earlier ones sharing it: such a folder, the one given included, is not searched again but goes to
// *skipped, so that a folder given twice, or a folder and one below it, yield each entry once.
void SearchFolder(const std::string& folder, bool withSizes, const std::function<bool()>& goOn,
                  std::vector<VerificationTarget>* targets, std::vector<SkippedEntry>* skipped,
                  std::set<FolderId>* searched = nullptr);

// The target of a path that could not be examined with the system's error: unreadable, or a system
// failure, which says nothing about the path, in the words the search uses for an entry.
VerificationTarget EntryNotExamined(const std::string& path, int error);

#endif
