// SPDX-License-Identifier: Apache-2.0
#include "verdict/BatchFileVerifier.h"

#include "digest/DigestUpdate.h"
#include "digest/SecureWipe.h"
#include "verdict/KeySetLoading.h"

#include <cerrno>

BatchFileVerifier::BatchFileVerifier(bool withSha256, const KeyRing* keys, int maxFiles, int laneWidth)
    : withSha256(withSha256), keys(keys ? keys : &ProgramKeySets().ring)
{
    Md5LanesInit(&lanes, laneWidth);
    this->maxFiles = maxFiles < 1 ? 1 : maxFiles < lanes.width ? maxFiles : lanes.width;
}

BatchFileVerifier::~BatchFileVerifier()
{
    for (int lane = 0; lane < kMd5MaxLanes; ++lane) {
        if (!inWork[lane])
            continue;
        Md5LaneRelease(&lanes, lane);
        EndContentPieces(&inWork[lane]->pieces);
    }
}

bool BatchFileVerifier::HasRoom() const
{
    return filesInWork < maxFiles;
}

void BatchFileVerifier::Add(size_t tag, const VerificationTarget& target, const ReadProgress* progress)
{
    std::unique_ptr<FileCheck> check(new FileCheck(target, withSha256, keys, progress));
    if (!check->NeedsContent()) {
        finished.push_back({tag, check->TakeResult()});
        return;
    }
    WatermarkVerifier& engine = check->Engine();
    // The fold takes its content with XOR alone and leaves MD5 a block or two: nothing to share a lane for.
    if (engine.GetDigestMode() != DigestModeMd5) {
        unsigned char digest[16];
        const int digested = DigestContent(engine.GetDigestMode(), engine.ContentReader(),
                                           engine.GetContentRegion(), digest, progress);
        check->FinishContent(digested, digest);
        finished.push_back({tag, check->TakeResult()});
        return;
    }
    std::unique_ptr<InWork> work(new InWork{tag, std::move(check), ContentPieces(), false});
    if (BeginContentPieces(engine.ContentReader(), engine.GetContentRegion(), progress, kContentPieceSize,
                           &work->pieces) != 0) {
        work->check->FinishContent(kSystemFailure, nullptr);
        finished.push_back({tag, work->check->TakeResult()});
        return;
    }
    const int lane = Md5LanesFreeLane(&lanes);
    Md5LaneStart(&lanes, lane, nullptr);
    inWork[lane] = std::move(work);
    ++filesInWork;
    TakeNextPiece(lane);
}

std::vector<BatchFileVerifier::Finished> BatchFileVerifier::Next()
{
    while (finished.empty()) {
        const int lane = Md5LanesAdvance(&lanes);
        if (lane < 0)
            break;
        if (inWork[lane]->closed) {
            unsigned char digest[16];
            Md5LaneDigest(&lanes, lane, digest);
            Conclude(lane, 0, digest);
            SecureWipe(digest, sizeof digest);
        } else {
            TakeNextPiece(lane);
        }
    }
    std::vector<Finished> answer;
    answer.swap(finished);
    return answer;
}

void BatchFileVerifier::TakeNextPiece(int lane)
{
    InWork& work = *inWork[lane];
    const unsigned char* data = nullptr;
    size_t length = 0;
    const int next = NextContentPiece(&work.pieces, &data, &length);
    if (next != 0) {
        // The engine reads errno for a system failure's reason; the lane's wiping must not change it.
        const int error = errno;
        Md5LaneRelease(&lanes, lane);
        errno = error;
        Conclude(lane, next, nullptr);
    } else if (length == 0) {
        Md5LaneClose(&lanes, lane);
        work.closed = true;
    } else {
        Md5LaneFeed(&lanes, lane, data, static_cast<uint32_t>(length));
    }
}

void BatchFileVerifier::Conclude(int lane, int digestResult, const unsigned char* digest)
{
    std::unique_ptr<InWork> work = std::move(inWork[lane]);
    --filesInWork;
    const int error = errno;
    EndContentPieces(&work->pieces);
    errno = error;
    work->check->FinishContent(digestResult, digest);
    finished.push_back({work->tag, work->check->TakeResult()});
}
