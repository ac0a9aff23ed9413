// SPDX-License-Identifier: Apache-2.0
#include "verdict/FolderHolding.h"

#include "platform/ReadOnlyFile.h"

#include <map>
#include <utility>

namespace {

using FolderKey = std::pair<uint64_t, uint64_t>;

// Deeper than any real tree: the walk up ends at the root long before.
constexpr int kMostLevels = 4096;

} // namespace

std::string GivenFolderHolding(const std::string& path, const std::vector<std::string>& givenPaths)
{
    std::map<FolderKey, std::string> given;
    for (const std::string& each : givenPaths) {
        FileStatus status;
        if (StatusOfPath(each.c_str(), true, &status) == 0 && status.kind == FileKind::Folder)
            given.emplace(FolderKey(status.volume, status.fileId), each);
    }
    if (given.empty())
        return std::string();
    const size_t slash = path.rfind('/');
    // Up from the folder the file lies in, by "..", so that no name has to be resolved by hand.
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    FileStatus status;
    if (StatusOfPath(folder.c_str(), true, &status) != 0)
        return std::string();
    for (int level = 0; level < kMostLevels; ++level) {
        const auto found = given.find(FolderKey(status.volume, status.fileId));
        if (found != given.end())
            return found->second;
        folder += "/..";
        FileStatus parent;
        if (StatusOfPath(folder.c_str(), true, &parent) != 0 ||
            (parent.volume == status.volume && parent.fileId == status.fileId))
            break;
        status = parent;
    }
    return std::string();
}
