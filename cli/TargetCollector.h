// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_TARGETCOLLECTOR_H
#define QUORLITH_CLI_TARGETCOLLECTOR_H

#include "verdict/VerificationTarget.h"

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// Turns the command line's paths into the run's targets, in order. A path naming a folder (also
// through a link) is searched recursively with the window's folder rule: files whose complete
// suffix is jpg, avi, mp4 or mxg in any case; entries whose names start with a dot are skipped;
// links below the folder are neither listed nor followed. Entries are taken in byte order of
// their names, so a report is the same on every run. Any other path becomes a target as given.
// Special files with an evidence name, unreadable folders and folder loops become targets that
// fail with their reason, so nothing is skipped silently.
class TargetCollector
{
public:
    std::vector<VerificationTarget> Collect(const std::vector<std::string>& paths);

private:
    using FolderId = std::pair<dev_t, ino_t>;

    void SearchFolder(const std::string& folder, std::vector<FolderId>* ancestors);
    void AddProblem(const std::string& path, VerdictReason problem, const std::string& detail);

    std::vector<VerificationTarget> targets;
};

#endif
