// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_TARGETCOLLECTOR_H
#define QUORLITH_CLI_TARGETCOLLECTOR_H

#include "report/SkippedEntry.h"
#include "verdict/VerificationTarget.h"

#include <functional>
#include <string>
#include <vector>

// Turns the command line's paths into the run's targets, in order. A path naming a folder (also
// through a link) is searched recursively with the window's folder rule: files whose last suffix
// is jpg, avi, mp4 or mxg in any case (verdict/EvidenceFileName.h); entries whose names start with a dot are
// skipped; links below the folder are neither listed nor followed. Entries are taken in byte order of their
// names, so a report is the same on every run. Any other path becomes a target as given. Nothing is skipped
// silently: special files with an evidence name, entries that cannot be examined, folders that cannot be
// read, folder loops and system failures become targets that fail with their reason, and a folder given that
// yields nothing at all gets a no-evidence target. Folders are searched at any depth, also where paths pass
// PATH_MAX, with a few descriptors at most.
class TargetCollector
{
public:
    // A target found in a folder has its size only withSizes: looking each file up costs a system
    // call that the search does not need otherwise. shouldStop, when given, is asked before each path
    // and each folder: once it answers true the search ends with what it found so far (a signal must
    // not wait for a search of a huge tree).
    std::vector<VerificationTarget> Collect(const std::vector<std::string>& paths, bool withSizes,
                                            const std::function<bool()>& shouldStop = {});
    // After Collect: the entries of the folders searched that were not taken, in the search's order.
    const std::vector<SkippedEntry>& Skipped() const { return skipped; }

private:
    void SearchFolder(const std::string& folder);
    bool Stopped() const { return shouldStop && shouldStop(); }

    std::vector<VerificationTarget> targets;
    std::vector<SkippedEntry> skipped;
    std::function<bool()> shouldStop;
    bool sizesWanted = false;
};

#endif
