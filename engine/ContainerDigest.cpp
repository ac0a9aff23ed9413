// SPDX-License-Identifier: Apache-2.0
// The keyed content digest of each container type: which bytes count as content, and reading them.
#include "engine/ContainerDigest.h"

#include "digest/DigestUpdate.h"
#include "digest/HmacMd5.h"
#include "digest/Md5.h"
#include "engine/TrailerBlock.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The piece size does not show in the digest; this one keeps the buffer in the second-level cache.
const size_t kPieceSize = 128 * 1024;
const int64_t kMaxOffset = 0x7fffffff; // offsets into the file are signed 32-bit

uint32_t LoadBe32(const unsigned char* p)
{
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

uint32_t LoadLe32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool ReadAt(FILE* file, int64_t offset, unsigned char* out, size_t length)
{
    if (offset < 0 || fseek(file, static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    return fread(out, 1, length, file) == length;
}

// Walks the top-level boxes to the first "mdat". Every other box must carry the walk forward
// to a later header, so a size of 0, 1 to 7, or one that wraps backwards ends it.
int WalkMp4Boxes(FILE* file, int32_t* start)
{
    int64_t offset = 0;
    unsigned char header[8];
    for (;;) {
        if (!ReadAt(file, offset, header, sizeof header))
            return -1;
        const uint32_t size = LoadBe32(header);
        if (std::memcmp(header + 4, "mdat", 4) == 0) {
            const int64_t s = offset + (size == 1 ? 16 : 8);
            if (s > kMaxOffset)
                return -1;
            *start = static_cast<int32_t>(s);
            return 0;
        }
        if (size < 8)
            return -1;
        const int64_t next = offset + size;
        if (next > kMaxOffset)
            return -1;
        offset = next;
    }
}

// RIFF "AVI ", then LIST "hdrl" of size H, at most one "JUNK" chunk, then LIST "movi".
int WalkAviChunks(FILE* file, int32_t* start)
{
    unsigned char header[12];
    if (!ReadAt(file, 0, header, sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "AVI ", 4) != 0)
        return -1;
    if (!ReadAt(file, 12, header, sizeof header) || std::memcmp(header, "LIST", 4) != 0 ||
        std::memcmp(header + 8, "hdrl", 4) != 0)
        return -1;
    int64_t chunk = 20 + static_cast<int64_t>(LoadLe32(header + 4));
    if (chunk > kMaxOffset || !ReadAt(file, chunk, header, sizeof header))
        return -1;
    if (std::memcmp(header, "JUNK", 4) == 0) {
        chunk += 8 + static_cast<int64_t>(LoadLe32(header + 4));
        if (chunk > kMaxOffset || !ReadAt(file, chunk, header, sizeof header))
            return -1;
    }
    if (std::memcmp(header, "LIST", 4) != 0 || std::memcmp(header + 8, "movi", 4) != 0)
        return -1;
    const int64_t s = chunk + 12;
    if (s > kMaxOffset)
        return -1;
    *start = static_cast<int32_t>(s);
    return 0;
}

int FindContentStart(const char* path, int (*walk)(FILE*, int32_t*), int32_t* start)
{
    FILE* file = fopen(path, "rb");
    if (!file)
        return -1;
    const int ret = walk(file, start);
    fclose(file);
    return ret;
}

// Feeds exactly length bytes from the file's current position; -1 if the file ends or fails first.
int FeedBytes(FILE* file, int mode, Md5Context* ctx, int64_t length, unsigned char* piece)
{
    while (length > 0) {
        const size_t want =
            length < static_cast<int64_t>(kPieceSize) ? static_cast<size_t>(length) : kPieceSize;
        const size_t got = fread(piece, 1, want, file);
        if (got == 0)
            return -1;
        DigestUpdate(mode, ctx, piece, static_cast<int32_t>(got));
        length -= static_cast<int64_t>(got);
    }
    return 0;
}

} // namespace

int64_t GetFileSize(const char* path)
{
    const qint64 size = QFileInfo(QString::fromUtf8(path)).size();
    return size > 0 ? size : -1;
}

int FindMp4ContentStart(const char* path, int32_t* start)
{
    return FindContentStart(path, WalkMp4Boxes, start);
}

int FindAviContentStart(const char* path, int32_t* start)
{
    return FindContentStart(path, WalkAviChunks, start);
}

int ComputeRegionDigest(int mode, const char* path, int32_t start, int32_t tail, unsigned char digest[16],
                        ContentRegion* region)
{
    const int64_t size = GetFileSize(path);
    const int64_t length = size - kTrailerBlockSize - start - tail;
    // A region that starts inside the watermark block, or a file that is gone, has no content.
    if (size < 0 || start < 0 || tail < 0 || length < 0)
        return -1;
    if (region) {
        region->start = start;
        region->length = length;
        region->tail = tail;
    }

    FILE* file = fopen(path, "rb");
    if (!file)
        return -1;
    unsigned char* piece = static_cast<unsigned char*>(malloc(kPieceSize));
    int ret = -1;
    Md5Context ctx;
    Md5Init(&ctx);
    if (piece && fseek(file, start, SEEK_SET) == 0 && FeedBytes(file, mode, &ctx, length, piece) == 0 &&
        (tail == 0 || (fseek(file, -static_cast<long>(tail), SEEK_END) == 0 &&
                       FeedBytes(file, mode, &ctx, tail, piece) == 0))) {
        unsigned char inner[16];
        Md5Final(&ctx, inner);
        HmacMd5(inner, sizeof inner, digest);
        ret = 0;
    }
    std::memset(&ctx, 0, sizeof ctx);
    free(piece);
    fclose(file);
    return ret;
}

int ComputeJpgDigest(int mode, const char* path, unsigned char digest[16], ContentRegion* region)
{
    return ComputeRegionDigest(mode, path, 0, 2, digest, region);
}

int ComputeMp4Digest(int mode, const char* path, unsigned char digest[16], ContentRegion* region)
{
    int32_t start = 0;
    if (FindMp4ContentStart(path, &start) != 0)
        return -1;
    return ComputeRegionDigest(mode, path, start, 0, digest, region);
}

int ComputeAviDigest(int mode, const char* path, unsigned char digest[16], ContentRegion* region)
{
    int32_t start = 0;
    if (FindAviContentStart(path, &start) != 0)
        return -1;
    return ComputeRegionDigest(mode, path, start, 0, digest, region);
}
