// SPDX-License-Identifier: Apache-2.0
#include "verdict/KeySetLoading.h"

#include "engine/KeySetText.h"
#include "platform/FolderListing.h"
#include "platform/KeySetFolders.h"
#include "platform/ReadOnlyFile.h"
#include "platform/SystemError.h"
#include "verdict/Sha256Stream.h"

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

// A key file is a few lines; anything larger is no key file.
const int64_t kMaxKeyFileSize = 64 * 1024;

// Why a file or folder cannot be trusted to hold keys; empty when it can.
std::string Untrusted(const FileStatus& status)
{
    if (status.ownerId >= 0 && status.ownerId != 0 && status.ownerId != CurrentUserId())
        return "it belongs to user " + std::to_string(status.ownerId) +
               ", neither root nor the user running the program";
    if (status.permissions >= 0 && (status.permissions & 022) != 0)
        return "users other than its owner can write it";
    return std::string();
}

std::string FolderOf(const std::string& path)
{
    // A backslash separates names too where the system says so (Windows).
    const size_t separator = path.find_last_of(EndsInPathSeparator("\\") ? "/\\" : "/");
    if (separator == std::string::npos)
        return ".";
    return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

int Refuse(const std::string& file, int line, const std::string& words, KeySetProblem* problem)
{
    problem->file = file;
    problem->line = line;
    problem->words = words;
    return -1;
}

// Reads a trusted file whole, with its SHA-256 when asked; -1 and *words otherwise.
int ReadTrustedFile(const std::string& path, std::string* text, std::string* sha256, std::string* words)
{
    const int fd = OpenForReading(path.c_str());
    if (fd < 0) {
        *words = "cannot be read: " + SystemErrorText(errno);
        return -1;
    }
    FileStatus status;
    int ret = -1;
    if (StatusOfFile(fd, &status) != 0)
        *words = "cannot be examined: " + SystemErrorText(errno);
    else if (status.kind != FileKind::Regular)
        *words = "is not a regular file";
    else if (!(*words = Untrusted(status)).empty())
        *words = "is not trusted: " + *words;
    else if (status.size > kMaxKeyFileSize)
        *words = "is larger than a key file can be (64 KiB)";
    else {
        text->assign(static_cast<size_t>(status.size), '\0');
        const int64_t read = status.size > 0 ? ReadAt(fd, 0, &(*text)[0], text->size()) : 0;
        if (read != status.size)
            *words = "cannot be read: " + SystemErrorText(read < 0 ? errno : EIO);
        else
            ret = 0;
    }
    CloseFile(fd);
    if (ret == 0 && sha256) {
        Sha256Stream hash;
        hash.Update(reinterpret_cast<const unsigned char*>(text->data()), text->size());
        if (!hash.Finish(sha256)) {
            *words = "cannot be hashed: the crypto library failed";
            ret = -1;
        }
    }
    return ret;
}

bool IsKeyFileName(const std::string& name)
{
    static const std::string kEnding = ".key";
    return name.size() > kEnding.size() &&
           name.compare(name.size() - kEnding.size(), kEnding.size(), kEnding) == 0;
}

void AddSet(std::shared_ptr<const KeySet> set, KeySetSource source, LoadedKeySets* sets)
{
    if (AddKeySet(&sets->ring, std::move(set)))
        sets->sources.push_back(source);
}

LoadedKeySets* ProgramSets()
{
    static LoadedKeySets sets = BuiltInKeySetsOnly();
    return &sets;
}

} // namespace

std::string KeySetProblemText(const KeySetProblem& problem)
{
    return problem.line > 0 ? problem.file + ": line " + std::to_string(problem.line) + ": " + problem.words
                            : problem.file + ": " + problem.words;
}

int LoadKeySetFile(const std::string& path, std::shared_ptr<const KeySet>* set, KeySetProblem* problem)
{
    const std::string folder = FolderOf(path);
    FileStatus folderStatus;
    if (StatusOfPath(folder.c_str(), true, &folderStatus) != 0)
        return Refuse(path, 0, "its folder cannot be examined: " + SystemErrorText(errno), problem);
    const std::string folderWords = Untrusted(folderStatus);
    if (!folderWords.empty())
        return Refuse(path, 0, "its folder is not trusted: " + folderWords, problem);

    std::string text;
    std::string sha256;
    std::string words;
    if (ReadTrustedFile(path, &text, &sha256, &words) != 0)
        return Refuse(path, 0, "the key file " + words, problem);
    KeySetText parsed;
    int line = 0;
    if (ReadKeySetText(text, &parsed, &line, &words) != 0)
        return Refuse(path, line, words, problem);
    if (!parsed.publicKeyFile.empty()) {
        const std::string pemPath = JoinPath(folder, parsed.publicKeyFile);
        std::string pem;
        if (ReadTrustedFile(pemPath, &pem, nullptr, &words) != 0)
            return Refuse(path, 0, "the public-key file " + parsed.publicKeyFile + " " + words, problem);
        if (ReadPemPublicKey(pem, &parsed.modulus, &parsed.exponent, &words) != 0)
            return Refuse(path, 0, words, problem);
    }
    auto made = std::make_shared<KeySet>();
    if (MakeKeySet(parsed.name, parsed.modulus, parsed.exponent, parsed.hmacKey, made.get(), &words) != 0)
        return Refuse(path, 0, words, problem);
    made->file = path;
    made->fileSha256 = sha256;
    *set = std::move(made);
    return 0;
}

void LoadKeySets(const std::string& path, KeySetSource source, bool missingIsFine, LoadedKeySets* sets)
{
    FileStatus status;
    if (StatusOfPath(path.c_str(), true, &status) != 0) {
        const int error = errno;
        if (!(missingIsFine && (error == ENOENT || error == ENOTDIR)))
            sets->problems.push_back({path, 0, "cannot be examined: " + SystemErrorText(error)});
        return;
    }
    std::vector<std::string> files;
    if (status.kind != FileKind::Folder) {
        files.push_back(path);
    } else {
        const std::string words = Untrusted(status);
        if (!words.empty()) {
            sets->problems.push_back({path, 0, "the folder is not trusted: " + words});
            return;
        }
        FileStatus listed;
        std::vector<FolderEntry> entries;
        int listError = 0;
        if (ListFolder(
                path.c_str(), true, [](const std::string&) { return false; }, &listed, &entries,
                &listError) != 0) {
            sets->problems.push_back({path, 0, "the folder cannot be read: " + SystemErrorText(errno)});
            return;
        }
        if (listError != 0)
            sets->problems.push_back(
                {path, 0, "the folder's listing broke off: " + SystemErrorText(listError)});
        for (const FolderEntry& entry : entries) {
            if (!entry.hidden && IsKeyFileName(entry.name))
                files.push_back(JoinPath(path, entry.name));
        }
        std::sort(files.begin(), files.end());
    }
    for (const std::string& file : files) {
        std::shared_ptr<const KeySet> set;
        KeySetProblem problem;
        if (LoadKeySetFile(file, &set, &problem) == 0)
            AddSet(std::move(set), source, sets);
        else
            sets->problems.push_back(problem);
    }
}

LoadedKeySets BuiltInKeySetsOnly()
{
    LoadedKeySets sets;
    AddSet(SharedBuiltInKeySet(), KeySetSource::BuiltIn, &sets);
    return sets;
}

LoadedKeySets LoadInstalledKeySets()
{
    LoadedKeySets sets = BuiltInKeySetsOnly();
    const std::string system = SystemKeySetFolder();
    if (!system.empty())
        LoadKeySets(system, KeySetSource::SystemFolder, true, &sets);
    const std::string user = UserKeySetFolder();
    if (!user.empty())
        LoadKeySets(user, KeySetSource::UserFolder, true, &sets);
    return sets;
}

const LoadedKeySets& ProgramKeySets()
{
    return *ProgramSets();
}

void SetProgramKeySets(LoadedKeySets sets)
{
    *ProgramSets() = std::move(sets);
}
