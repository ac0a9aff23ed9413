// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileVerifier.h"

#include "engine/SystemFailure.h"
#include "engine/WatermarkVerifier.h"
#include "verdict/ChangedWhileRead.h"
#include "verdict/EngineResult.h"
#include "verdict/FileSnapshot.h"
#include "verdict/FileStateCheck.h"
#include "verdict/PathAnyLength.h"
#include "verdict/Sha256Reader.h"
#include "verdict/SystemErrorDetail.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

// Below this size a thread costs more than the overlap saves.
const int64_t kHashBesideFrom = int64_t(4) << 20;

void Fail(VerificationResult* result, VerdictReason reason, const std::string& detail = std::string())
{
    result->authentic = false;
    result->reason = reason;
    result->reasonDetail = detail;
}

bool EndsInSlash(const std::string& path)
{
    return !path.empty() && path.back() == '/';
}

void FailFromErrno(VerificationResult* result, int error)
{
    if (IsSystemFailure(error))
        Fail(result, VerdictReason::SystemError, SystemErrorDetail(error));
    else if (error == ENOTDIR && EndsInSlash(result->path))
        Fail(result, VerdictReason::Unreadable,
             "the path ends in '/', as a folder's would, but names something that is not a folder");
    else if (error == ENOENT || error == ENOTDIR)
        Fail(result, VerdictReason::NotFound);
    else
        Fail(result, VerdictReason::Unreadable,
             std::string("the file cannot be read: ") + std::strerror(error));
}

const char* KindOfSpecialFile(mode_t mode)
{
    if (S_ISFIFO(mode))
        return "this is a named pipe, not a regular file";
    if (S_ISSOCK(mode))
        return "this is a socket, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "this is a device, not a regular file";
    if (S_ISDIR(mode))
        return "this is a folder, not a regular file";
    return "this is not a regular file";
}

bool UnchangedSince(const FileSnapshot& before, int fd, const char* path)
{
    FileSnapshot ofDescriptor;
    return ofDescriptor.TakeOfDescriptor(fd) && ofDescriptor.SameFileAndState(before) &&
           ReadSawOneVersion(before, path);
}

} // namespace

VerificationResult FileVerifier::Verify(const VerificationTarget& target, const ReadProgress* progress) const
{
    VerificationResult result;
    result.path = target.path;
    if (target.problem != VerdictReason::None) {
        Fail(&result, target.problem, target.problemDetail);
        return result;
    }

    const char* path = target.path.c_str();
    FileSnapshot before;
    if (!before.TakeOfPath(path)) {
        FailFromErrno(&result, errno);
        return result;
    }
    // Special files are told apart before anything opens them: opening a FIFO would block.
    if (!S_ISREG(before.Status().st_mode)) {
        Fail(&result, VerdictReason::NotAFile, KindOfSpecialFile(before.Status().st_mode));
        return result;
    }
    RecordVerifiedState(before, &result);

    // The one open of the file: the engine, the SHA-256 and the final comparison all read through
    // it, so a name pointed elsewhere meanwhile cannot mix another file into the verdict. O_NONBLOCK
    // keeps a FIFO swapped in meanwhile from blocking the open.
    const int fd = OpenAnyLength(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        FailFromErrno(&result, errno);
        return result;
    }
    FileSnapshot opened;
    if (!opened.TakeOfDescriptor(fd) || !opened.SameFileAndState(before)) {
        close(fd);
        FailAsChangedWhileRead(&result);
        return result;
    }

    // The SHA-256 pass runs beside the engine on large files, so both readers meet the same pages
    // while they are cached and the file is fetched from the disk about once.
    bool hashed = true;
    int hashError = 0;
    const auto hash = [&] {
        hashed = Sha256Reader::Digest(fd, &result.sha256);
        hashError = errno;
    };
    std::thread beside;
    if (withSha256 && result.size >= kHashBesideFrom)
        beside = std::thread(hash);
    WatermarkVerifier verifier;
    verifier.SetReadProgress(progress);
    const int verdict = verifier.VerifyOpenFile(fd, path);
    if (beside.joinable())
        beside.join();
    else if (withSha256)
        hash();
    const bool unchanged = UnchangedSince(before, fd, path);
    close(fd);

    TakeEngineResult(verifier, verdict, &result);
    if (!unchanged) {
        result.sha256.clear();
        FailAsChangedWhileRead(&result);
    } else if (!hashed) {
        result.sha256.clear();
        FailFromErrno(&result, hashError);
    }
    return result;
}
