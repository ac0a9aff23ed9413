// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_TARGETCOLLECTOR_H
#define QUORLITH_CLI_TARGETCOLLECTOR_H

#include "verdict/SkippedEntry.h"
#include "verdict/VerificationTarget.h"

#include <functional>
#include <string>
#include <vector>

// Turns the command line's paths into the run's targets, in order. A path naming a folder (also
// through a link) is searched with the window's folder search (verdict/FolderSearch.h), and a folder
// given that yields nothing at all gets a no-evidence target. Any other path becomes a target as given;
// one that the system failed to look at fails with its reason.
class TargetCollector
{
public:
    // A target found in a folder has its size only withSizes: looking each file up costs a system
    // call that the search does not need otherwise. shouldStop, when given, is asked before each path
    // and each entry of a folder: once it answers true the search ends with what it found so far (a signal
    // must not wait for a search of a huge tree).
    std::vector<VerificationTarget> Collect(const std::vector<std::string>& paths, bool withSizes,
                                            const std::function<bool()>& shouldStop = {});
    // After Collect: the entries of the folders searched that were not taken, in the search's order.
    const std::vector<SkippedEntry>& Skipped() const { return skipped; }

private:
    bool Stopped() const { return shouldStop && shouldStop(); }

    std::vector<VerificationTarget> targets;
    std::vector<SkippedEntry> skipped;
    std::function<bool()> shouldStop;
};

#endif
