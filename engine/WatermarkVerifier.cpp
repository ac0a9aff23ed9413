// SPDX-License-Identifier: Apache-2.0
#include "engine/WatermarkVerifier.h"

#include "engine/AsciiText.h"
#include "engine/TrailerBlock.h"

#include <cstdio>
#include <cstring>

namespace {

struct Container
{
    const char* extension;
    int tail; // bytes after the watermark block
    int (*digest)(int, const char*, unsigned char*, ContentRegion*);
};

const Container kContainers[] = {
    {"JPG", 2, ComputeJpgDigest},
    {"AVI", 0, ComputeAviDigest},
    {"MP4", 0, ComputeMp4Digest},
    {"MXG", 0, ComputeMp4Digest},
};

const char* const kVersions[] = {"1.0", "1.1"}; // index = digest mode

// The extension is what follows the last dot anywhere in the path, upper-cased as ASCII so that the
// user's locale cannot change it.
const Container* FindContainer(const char* path)
{
    const char* dot = std::strrchr(path, '.');
    if (!dot)
        return nullptr;
    const std::string extension = AsciiUpper(std::string(dot + 1));
    for (const Container& container : kContainers) {
        if (extension == container.extension)
            return &container;
    }
    return nullptr;
}

int ReadTrailerBlock(const char* path, int tail, unsigned char block[kTrailerBlockSize])
{
    FILE* file = fopen(path, "rb");
    if (!file)
        return -1;
    int ret = -1;
    if (fseek(file, -static_cast<long>(kTrailerBlockSize + tail), SEEK_END) == 0 &&
        fread(block, 1, kTrailerBlockSize, file) == kTrailerBlockSize)
        ret = 0;
    fclose(file);
    return ret;
}

} // namespace

int WatermarkVerifier::Fail(VerifyFailure reason)
{
    failure = reason;
    return -1;
}

int WatermarkVerifier::Verify(const char* path)
{
    failure = VerifyFailure::None;
    digestMode = -1;
    hasRegion = false;

    if (GetFileSize(path) < kTrailerBlockSize)
        return Fail(VerifyFailure::TooSmallOrMissing);

    const Container* container = FindContainer(path);
    if (!container)
        return Fail(VerifyFailure::UnsupportedType);

    unsigned char block[kTrailerBlockSize];
    if (ReadTrailerBlock(path, container->tail, block) != 0)
        return Fail(VerifyFailure::TrailerUnreadable);

    unsigned char plaintext[kMaxPlaintextSize];
    size_t plaintextLength = 0;
    if (OpenTrailer(block, plaintext, &plaintextLength) != 0)
        return Fail(VerifyFailure::TrailerNotOpened);

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
    const int digestResult = container->digest(mode, path, digest, &used);
    hasRegion = used.start >= 0;
    region = used;
    if (digestResult != 0)
        return Fail(VerifyFailure::ContainerInvalid);

    char hex[33];
    for (int i = 0; i < 16; ++i)
        std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
    if (record.HMAC != std::string(hex, 32))
        return Fail(VerifyFailure::ContentMismatch);
    return 0;
}
