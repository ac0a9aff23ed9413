// SPDX-License-Identifier: Apache-2.0
#include "engine/WatermarkVerifier.h"

#include "digest/HexText.h"
#include "engine/AsciiText.h"
#include "engine/KeySet.h"
#include "engine/SystemFailure.h"
#include "engine/TrailerBlock.h"
#include "platform/ReadOnlyFile.h"

#include <cerrno>
#include <cstring>

namespace {

struct Container
{
    const char* extension;
    int tail; // bytes after the watermark block
    int (*findContent)(EvidenceReader*, ContentRegion*);
};

const Container kContainers[] = {
    {"JPG", 2, FindJpgContent},
    {"AVI", 0, FindAviContent},
    {"MP4", 0, FindMp4Content},
    {"MXG", 0, FindMp4Content},
};

const char* const kVersions[] = {"1.0", "1.1"}; // index = digest mode

// The extension is what follows the last dot anywhere in the name, upper-cased as ASCII so that the
// user's locale cannot change it.
const Container* FindContainer(const char* name)
{
    const char* dot = std::strrchr(name, '.');
    if (!dot)
        return nullptr;
    const std::string extension = AsciiUpper(std::string(dot + 1));
    for (const Container& container : kContainers) {
        if (extension == container.extension)
            return &container;
    }
    return nullptr;
}

// The set that opened the previous file on this thread, tried first; only a hint, so a set that is
// gone since is simply not found in the ring.
thread_local const KeySet* lastOpener = nullptr;

// The ring's sets in the order to try them: the last opener first, then the others in ring order.
std::vector<const KeySet*> TrialOrder(const KeyRing& ring)
{
    std::vector<const KeySet*> order;
    order.reserve(ring.sets.size());
    for (const std::shared_ptr<const KeySet>& set : ring.sets) {
        if (set.get() == lastOpener)
            order.insert(order.begin(), set.get());
        else
            order.push_back(set.get());
    }
    return order;
}

// Whether the block opens at the place another container type keeps it (JPG: 2 bytes before the end,
// the others: at the very end), with any of the sets. A read that fails counts as not opening.
bool OpensWhereAnotherTypeKeepsIt(EvidenceReader* reader, int tail, const std::vector<const KeySet*>& sets)
{
    for (const Container& other : kContainers) {
        const int64_t size = reader->size;
        if (other.tail == tail || size < kTrailerBlockSize + other.tail)
            continue;
        unsigned char block[kTrailerBlockSize];
        if (ReadEvidenceAt(reader, size - kTrailerBlockSize - other.tail, block, kTrailerBlockSize) != 0)
            continue;
        for (const KeySet* set : sets) {
            unsigned char plaintext[kMaxPlaintextSize];
            size_t plaintextLength = 0;
            if (OpenTrailerWithPublicKey(&set->publicKey, block, plaintext, &plaintextLength) == 0)
                return true;
        }
    }
    return false;
}

// The record's text: the plaintext up to its first zero byte.
std::string RecordText(const unsigned char* plaintext, size_t length)
{
    const void* zero = std::memchr(plaintext, 0, length);
    const size_t textLength =
        zero ? static_cast<size_t>(static_cast<const unsigned char*>(zero) - plaintext) : length;
    return std::string(reinterpret_cast<const char*>(plaintext), textLength);
}

} // namespace

int WatermarkVerifier::Fail(VerifyFailure reason)
{
    failure = reason;
    return -1;
}

void WatermarkVerifier::Reset()
{
    record = WatermarkRecord();
    failure = VerifyFailure::None;
    systemError = 0;
    digestMode = -1;
    keySet = nullptr;
    keysTried = Ring().sets.size();
    computedHmac.clear();
    hasRegion = false;
    observerHeardAll = false;
    observerError = 0;
    readCount = {0, 0};
}

int WatermarkVerifier::FailRead(int read, VerifyFailure reason)
{
    if (read == kSystemFailure) {
        systemError = errno;
        return Fail(VerifyFailure::SystemFailure);
    }
    return Fail(reason);
}

int WatermarkVerifier::Verify(const char* path)
{
    // Never blocking: opening a FIFO that took the file's name would otherwise wait for a writer for ever.
    const int fd = OpenForReading(path);
    if (fd < 0) {
        const int error = errno;
        Reset();
        if (IsSystemFailure(error)) {
            systemError = error;
            return Fail(VerifyFailure::SystemFailure);
        }
        return Fail(VerifyFailure::TooSmallOrMissing);
    }
    const int ret = VerifyOpenFile(fd, path);
    CloseFile(fd);
    return ret;
}

int WatermarkVerifier::VerifyOpenFile(int fd, const char* name)
{
    // Anything but a regular file (a FIFO, a device, a folder) has no size and counts as missing.
    return VerifyOpenFile(fd, name, GetOpenFileSize(fd));
}

int WatermarkVerifier::VerifyOpenFile(int fd, const char* name, int64_t size)
{
    const int begun = BeginOpenFile(fd, name, size);
    if (begun != kContentPending)
        return begun;
    unsigned char digest[16];
    const int digested = DigestContent(digestMode, &reader, region, digest, progress);
    return FinishOpenFile(digested, digest);
}

int WatermarkVerifier::BeginOpenFile(int fd, const char* name, int64_t size)
{
    Reset();
    BeginEvidenceReader(fd, size, byteObserver, &reader);
    const int ret = VerifyUpToContent(name);
    if (ret != kContentPending)
        EndReading();
    return ret;
}

int WatermarkVerifier::FinishOpenFile(int digestResult, const unsigned char digest[16])
{
    const int ret = digestResult != 0 ? FailRead(digestResult, VerifyFailure::ContainerInvalid)
                                      : CompareKeyedDigest(digest);
    EndReading();
    return ret;
}

void WatermarkVerifier::EndReading()
{
    if (byteObserver) {
        const int observed = ObserveRestOfFile(&reader);
        observerHeardAll = observed == 0 && reader.observed == reader.size;
        if (observed == kSystemFailure)
            observerError = errno;
    }
    readCount = reader.count;
    EndEvidenceReader(&reader);
}

int WatermarkVerifier::VerifyUpToContent(const char* name)
{
    EvidenceReader* reader = &this->reader;
    const int64_t size = reader->size;
    if (size < kTrailerBlockSize)
        return Fail(VerifyFailure::TooSmallOrMissing);

    const Container* container = FindContainer(name);
    if (!container)
        return Fail(VerifyFailure::UnsupportedType);

    unsigned char block[kTrailerBlockSize];
    const int read = ReadWatermarkBlockAt(reader, size - kTrailerBlockSize - container->tail, block);
    if (read != 0)
        return FailRead(read, VerifyFailure::TrailerUnreadable);

    const VerifyFailure opened = OpenBlock(block);
    if (opened == VerifyFailure::TrailerNotOpened) {
        return Fail(OpensWhereAnotherTypeKeepsIt(reader, container->tail, TrialOrder(Ring()))
                        ? VerifyFailure::OtherTypeContent
                        : VerifyFailure::TrailerNotOpened);
    }
    if (opened != VerifyFailure::None)
        return Fail(opened);

    int mode = -1;
    for (int i = 0; i < 2; ++i) {
        if (record.Version == kVersions[i]) {
            mode = i;
            break;
        }
    }
    if (mode < 0)
        return Fail(VerifyFailure::UnsupportedVersion);
    digestMode = mode;

    ContentRegion used = {-1, 0, 0}; // start stays -1 unless the container was walked
    const int found = container->findContent(reader, &used);
    hasRegion = found == 0;
    region = used;
    if (found != 0)
        return FailRead(found, VerifyFailure::ContainerInvalid);
    return kContentPending;
}

int WatermarkVerifier::CompareKeyedDigest(const unsigned char digest[16])
{
    // The content digest is the same for every set; only its keying differs. Sets that share the
    // opener's public key may differ in their HMAC key: the file is authentic under any one of them.
    const KeySet* opener = keySet;
    for (const std::shared_ptr<const KeySet>& candidate : Ring().sets) {
        if (candidate.get() != opener && !SamePublicKey(*candidate, *opener))
            continue;
        unsigned char keyed[16];
        KeyContentDigest(*candidate, digest, keyed);
        const std::string hex = LowerHex(keyed, sizeof keyed);
        if (candidate.get() == opener)
            computedHmac = hex;
        if (record.HMAC == hex) {
            computedHmac = hex;
            keySet = candidate.get();
            return 0;
        }
    }
    return Fail(VerifyFailure::ContentMismatch);
}

VerifyFailure WatermarkVerifier::OpenBlock(const unsigned char* block)
{
    // A set opens the block when its RSA operation gives the padding and the record's marker is right.
    // A block whose padding opens with some set but whose marker is wrong keeps that record, so that
    // its fields can be shown.
    VerifyFailure found = VerifyFailure::TrailerNotOpened;
    for (const KeySet* set : TrialOrder(Ring())) {
        unsigned char plaintext[kMaxPlaintextSize];
        size_t plaintextLength = 0;
        if (OpenTrailerWithPublicKey(&set->publicKey, block, plaintext, &plaintextLength) != 0)
            continue;
        WatermarkRecord parsed;
        if (ParseRecord(&parsed, RecordText(plaintext, plaintextLength)) != 0) {
            if (found == VerifyFailure::TrailerNotOpened) {
                record = parsed;
                found = VerifyFailure::WrongMarker;
            }
            continue;
        }
        record = parsed;
        keySet = set;
        lastOpener = set;
        return VerifyFailure::None;
    }
    return found;
}
