// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileVerifier.h"

#include "engine/SystemFailure.h"
#include "engine/WatermarkVerifier.h"
#include "verdict/ChangedWhileRead.h"
#include "verdict/EngineResult.h"
#include "verdict/FileSnapshot.h"
#include "verdict/FileStateCheck.h"
#include "verdict/PathAnyLength.h"
#include "verdict/Sha256Beside.h"
#include "verdict/Sha256Stream.h"
#include "verdict/SystemErrorDetail.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

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

void HearBytes(void* context, const unsigned char* data, size_t length)
{
    static_cast<Sha256Stream*>(context)->Update(data, length);
}

void HearBytesBeside(void* context, const unsigned char* data, size_t length)
{
    static_cast<Sha256Beside*>(context)->Add(data, length);
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

    // The descriptor was found to be the regular file the path named; its size is the engine's.
    const int64_t size = opened.Status().st_size > 0 ? opened.Status().st_size : -1;
    // The SHA-256 hears every byte as the engine reads it, so the file is read once for both digests.
    // A file read in pieces has it hashed on a thread beside the reading; one read whole is hashed in
    // place, where a thread would cost more than it saves.
    const bool beside = withSha256 && size > kWholeReadLimit;
    std::unique_ptr<Sha256Beside> besideHash(beside ? new Sha256Beside : nullptr);
    Sha256Stream inPlaceHash;
    const ByteObserver hearer =
        beside ? ByteObserver{HearBytesBeside, besideHash.get()} : ByteObserver{HearBytes, &inPlaceHash};
    WatermarkVerifier verifier;
    verifier.SetReadProgress(progress);
    if (withSha256)
        verifier.SetByteObserver(&hearer);
    const int verdict = verifier.VerifyOpenFile(fd, path, size);
    const bool finished =
        beside ? besideHash->Finish(&result.sha256) : withSha256 && inPlaceHash.Finish(&result.sha256);
    const bool hashed = !withSha256 || (verifier.ObserverHeardAll() && finished);
    const int hashError = verifier.GetObserverError() != 0 ? verifier.GetObserverError() : EIO;
    // The path still names the file the descriptor was opened on, unchanged: the same device and inode,
    // size and times as before the open, so the descriptor's file needs no second look.
    const bool unchanged = ReadSawOneVersion(before, path);
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
