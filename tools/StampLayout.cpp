// SPDX-License-Identifier: Apache-2.0
// Lays a sealed block into a copy of the media: a JPG keeps its last two bytes (the end-of-image
// marker) after the block, the video containers get the block appended.
#include "tools/EvidenceStamper.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

struct FileCloser
{
    void operator()(FILE* file) const { fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool CopyBytes(FILE* from, FILE* to, uint64_t length)
{
    std::vector<unsigned char> piece(1 << 20);
    while (length > 0) {
        const size_t want = length < piece.size() ? static_cast<size_t>(length) : piece.size();
        if (fread(piece.data(), 1, want, from) != want || fwrite(piece.data(), 1, want, to) != want)
            return false;
        length -= want;
    }
    return true;
}

bool WriteLayout(FILE* media, uint64_t mediaSize, MediaType type, const unsigned char block[512], FILE* out)
{
    const uint64_t tail = type == MediaType::Jpg ? 2 : 0;
    if (mediaSize < tail)
        return false;
    return CopyBytes(media, out, mediaSize - tail) && fwrite(block, 1, 512, out) == 512 &&
           CopyBytes(media, out, tail);
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace

int WriteStampedFile(const std::string& mediaPath, MediaType type, const unsigned char block[512],
                     const std::string& outPath)
{
    if (SameFile(mediaPath, outPath))
        return -1;
    File media(fopen(mediaPath.c_str(), "rb"));
    struct stat status;
    if (!media || fstat(fileno(media.get()), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    File out(fopen(outPath.c_str(), "wb"));
    if (!out)
        return -1;
    const bool written =
        WriteLayout(media.get(), static_cast<uint64_t>(status.st_size), type, block, out.get());
    if (fclose(out.release()) != 0 || !written) {
        remove(outPath.c_str());
        return -1;
    }
    return 0;
}
