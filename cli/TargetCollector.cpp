// SPDX-License-Identifier: Apache-2.0
#include "cli/TargetCollector.h"

#include "filelist/EvidenceFolderScan.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// The names in a folder, hidden ones left out, sorted by their bytes. False when it cannot be read.
bool ReadFolderNames(const std::string& folder, std::vector<std::string>* names, int* error)
{
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        *error = errno;
        return false;
    }
    errno = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.')
            names->emplace_back(entry->d_name);
        errno = 0;
    }
    *error = errno;
    closedir(dir);
    std::sort(names->begin(), names->end());
    return *error == 0;
}

} // namespace

std::vector<VerificationTarget> TargetCollector::Collect(const std::vector<std::string>& paths)
{
    targets.clear();
    for (const std::string& path : paths) {
        struct stat status;
        const bool exists = stat(path.c_str(), &status) == 0;
        if (exists && S_ISDIR(status.st_mode)) {
            std::vector<FolderId> ancestors;
            SearchFolder(path, &ancestors);
            continue;
        }
        VerificationTarget target;
        target.path = path;
        target.size = exists && S_ISREG(status.st_mode) ? status.st_size : 0;
        targets.push_back(target);
    }
    return std::move(targets);
}

void TargetCollector::AddProblem(const std::string& path, VerdictReason problem, const std::string& detail)
{
    VerificationTarget target;
    target.path = path;
    target.problem = problem;
    target.problemDetail = detail;
    targets.push_back(target);
}

void TargetCollector::SearchFolder(const std::string& folder, std::vector<FolderId>* ancestors)
{
    struct stat folderStatus;
    if (stat(folder.c_str(), &folderStatus) != 0) {
        AddProblem(folder, VerdictReason::Unreadable,
                   std::string("the folder cannot be read: ") + std::strerror(errno));
        return;
    }
    // Without links a folder can only contain itself through a bind mount; say so once and go on.
    const FolderId id(folderStatus.st_dev, folderStatus.st_ino);
    if (std::find(ancestors->begin(), ancestors->end(), id) != ancestors->end()) {
        AddProblem(folder, VerdictReason::Unreadable,
                   "the folder contains itself (a folder loop); not searched again");
        return;
    }

    std::vector<std::string> names;
    int error = 0;
    if (!ReadFolderNames(folder, &names, &error)) {
        AddProblem(folder, VerdictReason::Unreadable,
                   std::string("the folder cannot be read: ") + std::strerror(error));
        if (names.empty())
            return;
    }

    ancestors->push_back(id);
    for (const std::string& name : names) {
        const std::string path = JoinPath(folder, name);
        struct stat status;
        if (lstat(path.c_str(), &status) != 0) {
            if (IsEvidenceFileName(QString::fromUtf8(name.data(), static_cast<int>(name.size()))))
                AddProblem(path, VerdictReason::Unreadable,
                           std::string("the file cannot be read: ") + std::strerror(errno));
            continue;
        }
        if (S_ISLNK(status.st_mode))
            continue;
        if (S_ISDIR(status.st_mode)) {
            SearchFolder(path, ancestors);
            continue;
        }
        if (!IsEvidenceFileName(QString::fromUtf8(name.data(), static_cast<int>(name.size()))))
            continue;
        VerificationTarget target;
        target.path = path;
        target.size = S_ISREG(status.st_mode) ? status.st_size : 0;
        targets.push_back(target);
    }
    ancestors->pop_back();
}
