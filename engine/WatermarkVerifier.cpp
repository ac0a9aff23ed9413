// SPDX-License-Identifier: Apache-2.0
#include "engine/WatermarkVerifier.h"

#include "digest/HexText.h"
#include "engine/AsciiText.h"
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
    int (*digest)(int, EvidenceReader*, unsigned char*, ContentRegion*, const ReadProgress*);
};

const Container kContainers[] = {
    {"JPG", 2, ComputeJpgDigestOfReader},
    {"AVI", 0, ComputeAviDigestOfReader},
    {"MP4", 0, ComputeMp4DigestOfReader},
    {"MXG", 0, ComputeMp4DigestOfReader},
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

// Whether the block opens at the place another container type keeps it (JPG: 2 bytes before the end,
// the others: at the very end). A read that fails counts as not opening.
bool OpensWhereAnotherTypeKeepsIt(EvidenceReader* reader, int tail)
{
    for (const Container& other : kContainers) {
        const int64_t size = reader->size;
        if (other.tail == tail || size < kTrailerBlockSize + other.tail)
            continue;
        unsigned char block[kTrailerBlockSize];
        unsigned char plaintext[kMaxPlaintextSize];
        size_t plaintextLength = 0;
        if (ReadEvidenceAt(reader, size - kTrailerBlockSize - other.tail, block, kTrailerBlockSize) == 0 &&
            OpenTrailer(block, plaintext, &plaintextLength) == 0)
            return true;
    }
    return false;
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
    Reset();
    EvidenceReader reader;
    BeginEvidenceReader(fd, size, byteObserver, &reader);
    const int ret = VerifyWith(&reader, name);
    if (byteObserver) {
        const int observed = ObserveRestOfFile(&reader);
        observerHeardAll = observed == 0 && reader.observed == reader.size;
        if (observed == kSystemFailure)
            observerError = errno;
    }
    readCount = reader.count;
    EndEvidenceReader(&reader);
    return ret;
}

int WatermarkVerifier::VerifyWith(EvidenceReader* reader, const char* name)
{
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

    unsigned char plaintext[kMaxPlaintextSize];
    size_t plaintextLength = 0;
    if (OpenTrailer(block, plaintext, &plaintextLength) != 0) {
        return Fail(OpensWhereAnotherTypeKeepsIt(reader, container->tail) ? VerifyFailure::OtherTypeContent
                                                                          : VerifyFailure::TrailerNotOpened);
    }

    const void* zero = std::memchr(plaintext, 0, plaintextLength);
    const size_t textLength =
        zero ? static_cast<size_t>(static_cast<const unsigned char*>(zero) - plaintext) : plaintextLength;
    if (ParseRecord(&record, std::string(reinterpret_cast<const char*>(plaintext), textLength)) != 0)
        return Fail(VerifyFailure::WrongMarker);

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

    unsigned char digest[16];
    ContentRegion used = {-1, 0, 0}; // start stays -1 unless the container was walked
    const int digestResult = container->digest(mode, reader, digest, &used, progress);
    hasRegion = used.start >= 0;
    region = used;
    if (digestResult != 0)
        return FailRead(digestResult, VerifyFailure::ContainerInvalid);

    computedHmac = LowerHex(digest, sizeof digest);
    if (record.HMAC != computedHmac)
        return Fail(VerifyFailure::ContentMismatch);
    return 0;
}
