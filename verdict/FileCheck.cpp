// SPDX-License-Identifier: Apache-2.0
#include "verdict/FileCheck.h"

#include "engine/SystemFailure.h"
#include "platform/FolderListing.h"
#include "platform/ReadOnlyFile.h"
#include "platform/SystemError.h"
#include "verdict/ChangedWhileRead.h"
#include "verdict/EngineResult.h"
#include "verdict/FileStateCheck.h"
#include "verdict/Sha256Beside.h"
#include "verdict/Sha256Stream.h"
#include "verdict/SystemErrorDetail.h"
#include "verdict/UnreadableWords.h"

#include <cerrno>

namespace {

void Fail(VerificationResult* result, VerdictReason reason, const std::string& detail = std::string())
{
    result->authentic = false;
    result->reason = reason;
    result->reasonDetail = detail;
}

void FailFromErrno(VerificationResult* result, int error)
{
    if (error == kFileInUseError)
        Fail(result, VerdictReason::InUse);
    else if (IsSystemFailure(error))
        Fail(result, VerdictReason::SystemError, SystemErrorDetail(error));
    else if (error == ENOTDIR && EndsInPathSeparator(result->path))
        Fail(result, VerdictReason::Unreadable,
             std::string("the path ends in '") + result->path.back() +
                 "', as a folder's would, but names something that is not a folder");
    else if (error == ENOENT || error == ENOTDIR)
        Fail(result, VerdictReason::NotFound);
    else
        Fail(result, VerdictReason::Unreadable,
             UnreadableDetail(UnreadableThing::File, SystemErrorText(error)));
}

const char* KindOfSpecialFile(FileKind kind)
{
    switch (kind) {
    case FileKind::Fifo:
        return "this is a named pipe, not a regular file";
    case FileKind::Socket:
        return "this is a socket, not a regular file";
    case FileKind::Device:
        return "this is a device, not a regular file";
    case FileKind::Folder:
        return "this is a folder, not a regular file";
    default:
        return "this is not a regular file";
    }
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

FileCheck::FileCheck(const VerificationTarget& target, bool withSha256, const KeyRing* keys,
                     const ReadProgress* progress)
    : withSha256(withSha256), keys(keys), progress(progress)
{
    Begin(target);
}

FileCheck::~FileCheck()
{
    if (pending) {
        errno = ECANCELED;
        FinishContent(kSystemFailure, nullptr);
    }
}

void FileCheck::Begin(const VerificationTarget& target)
{
    result.path = target.path;
    if (target.problem != VerdictReason::None) {
        Fail(&result, target.problem, target.problemDetail);
        result.foundBySearch = true;
        return;
    }

    const char* path = target.path.c_str();
    if (!before.TakeOfPath(path)) {
        FailFromErrno(&result, errno);
        return;
    }
    // Special files are told apart before anything opens them: opening a FIFO would block.
    if (before.Status().kind != FileKind::Regular) {
        Fail(&result, VerdictReason::NotAFile, KindOfSpecialFile(before.Status().kind));
        return;
    }
    RecordVerifiedState(before, &result);

    // The one open of the file: the engine, the SHA-256 and the final comparison all read through
    // it, so a name pointed elsewhere meanwhile cannot mix another file into the verdict. The open never
    // blocks, so a FIFO swapped in meanwhile cannot hold the run.
    fd = OpenEvidenceForReading(path, &result.accessTimeKept);
    if (fd < 0) {
        FailFromErrno(&result, errno);
        return;
    }
    FileSnapshot opened;
    if (!opened.TakeOfDescriptor(fd) || !opened.SameFileAndState(before)) {
        CloseFile(fd);
        fd = -1;
        FailAsChangedWhileRead(&result);
        return;
    }

    // The descriptor was found to be the regular file the path named; its size is the engine's.
    const int64_t size = opened.Status().size > 0 ? opened.Status().size : -1;
    // The SHA-256 hears every byte as the engine reads it, so the file is read once for both digests.
    // A file read in pieces has it hashed on a thread beside the reading; one read whole is hashed in
    // place, where a thread would cost more than it saves.
    // Neither hash is made when no SHA-256 is asked for: setting one up costs more than verifying a
    // small file's watermark apart from its RSA operation.
    const bool beside = withSha256 && size > kWholeReadLimit;
    if (beside) {
        besideHash.reset(new Sha256Beside);
        hearer = ByteObserver{HearBytesBeside, besideHash.get()};
    } else if (withSha256) {
        inPlaceHash.reset(new Sha256Stream);
        hearer = ByteObserver{HearBytes, inPlaceHash.get()};
    }
    verifier.SetKeyRing(keys);
    verifier.SetReadProgress(progress);
    if (withSha256)
        verifier.SetByteObserver(&hearer);
    const int begun = verifier.BeginOpenFile(fd, path, size);
    pending = begun == WatermarkVerifier::kContentPending;
    if (!pending)
        Conclude(begun);
}

void FileCheck::FinishContent(int digestResult, const unsigned char digest[16])
{
    pending = false;
    Conclude(verifier.FinishOpenFile(digestResult, digest));
}

void FileCheck::Conclude(int verdict)
{
    const bool finished =
        besideHash ? besideHash->Finish(&result.sha256) : inPlaceHash && inPlaceHash->Finish(&result.sha256);
    const bool hashed = !withSha256 || (verifier.ObserverHeardAll() && finished);
    const int hashError = verifier.GetObserverError() != 0 ? verifier.GetObserverError() : EIO;
    // The path still names the file the descriptor was opened on, unchanged: the same device and inode,
    // size and times as before the open, so the descriptor's file needs no second look.
    const bool unchanged = ReadSawOneVersion(before, result.path.c_str());
    CloseFile(fd);
    fd = -1;

    TakeEngineResult(verifier, verdict, &result);
    if (!unchanged) {
        result.sha256.clear();
        FailAsChangedWhileRead(&result);
    } else if (!hashed) {
        result.sha256.clear();
        FailFromErrno(&result, hashError);
    }
}
