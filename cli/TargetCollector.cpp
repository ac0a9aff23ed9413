// SPDX-License-Identifier: Apache-2.0
#include "cli/TargetCollector.h"

#include "engine/SystemFailure.h"
#include "platform/ReadOnlyFile.h"
#include "verdict/FolderSearch.h"

#include <cerrno>
#include <utility>

std::vector<VerificationTarget> TargetCollector::Collect(const std::vector<std::string>& paths,
                                                         bool withSizes, const std::function<bool()>& stop)
{
    targets.clear();
    skipped.clear();
    shouldStop = stop;
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
            SearchFolder(
                path, withSizes, [this] { return !Stopped(); }, &targets, &skipped);
            if (targets.size() == before && !Stopped()) {
                VerificationTarget nothing;
                nothing.path = path;
                nothing.problem = VerdictReason::NoEvidence;
                targets.push_back(nothing);
            }
            continue;
        }
        VerificationTarget target;
        target.path = path;
        target.size = exists && status.kind == FileKind::Regular ? status.size : 0;
        targets.push_back(target);
    }
    return std::move(targets);
}
