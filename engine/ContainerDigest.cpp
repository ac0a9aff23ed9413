// SPDX-License-Identifier: Apache-2.0
// The content digest of each container type: which bytes count as content, and reading them. The
// digest is keyed afterwards with the HMAC key of the key set that opened the watermark.
#include "engine/ContainerDigest.h"

#include "digest/ByteOrder.h"
#include "digest/DigestUpdate.h"
#include "digest/Md5.h"
#include "digest/SecureWipe.h"
#include "engine/ContentPieces.h"
#include "engine/EvidenceReader.h"
#include "engine/TrailerBlock.h"
#include "platform/ReadOnlyFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

const int64_t kMaxOffset = 0x7fffffff; // offsets into the file are signed 32-bit

// Walks the top-level boxes to the first "mdat". Every other box must carry the walk forward
// to a later header, so a size of 0, 1 to 7, or one that wraps backwards ends it.
int WalkMp4Boxes(EvidenceReader* reader, int32_t* start)
{
    int64_t offset = 0;
    unsigned char header[8];
    for (;;) {
        const int read = ReadEvidenceAt(reader, offset, header, sizeof header);
        if (read != 0)
            return read;
        const uint32_t size = LoadBigEndian32(header);
        if (std::memcmp(header + 4, "mdat", 4) == 0) {
            const int64_t s = offset + (size == 1 ? 16 : 8);
            if (s > kMaxOffset)
                return kFileUnfit;
            *start = static_cast<int32_t>(s);
            return 0;
        }
        if (size < 8)
            return kFileUnfit;
        const int64_t next = offset + size;
        if (next > kMaxOffset)
            return kFileUnfit;
        offset = next;
    }
}

// Reads the 12-byte chunk header at offset; a chunk past the 32-bit offsets does not fit.
int ReadAviHeader(EvidenceReader* reader, int64_t offset, unsigned char header[12])
{
    if (offset > kMaxOffset)
        return kFileUnfit;
    return ReadEvidenceAt(reader, offset, header, 12);
}

// RIFF "AVI ", then LIST "hdrl" of size H, at most one "JUNK" chunk, then LIST "movi".
int WalkAviChunks(EvidenceReader* reader, int32_t* start)
{
    unsigned char header[12];
    int read = ReadAviHeader(reader, 0, header);
    if (read != 0)
        return read;
    if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "AVI ", 4) != 0)
        return kFileUnfit;
    if ((read = ReadAviHeader(reader, 12, header)) != 0)
        return read;
    if (std::memcmp(header, "LIST", 4) != 0 || std::memcmp(header + 8, "hdrl", 4) != 0)
        return kFileUnfit;
    int64_t chunk = 20 + static_cast<int64_t>(LoadLittleEndian32(header + 4));
    if ((read = ReadAviHeader(reader, chunk, header)) != 0)
        return read;
    if (std::memcmp(header, "JUNK", 4) == 0) {
        chunk += 8 + static_cast<int64_t>(LoadLittleEndian32(header + 4));
        if ((read = ReadAviHeader(reader, chunk, header)) != 0)
            return read;
    }
    if (std::memcmp(header, "LIST", 4) != 0 || std::memcmp(header + 8, "movi", 4) != 0)
        return kFileUnfit;
    const int64_t s = chunk + 12;
    if (s > kMaxOffset)
        return kFileUnfit;
    *start = static_cast<int32_t>(s);
    return 0;
}

// A video's content runs from where its container walk leads to the watermark block.
int FindContentAfterWalk(EvidenceReader* reader, int (*walk)(EvidenceReader*, int32_t*),
                         ContentRegion* region)
{
    int32_t start = 0;
    const int found = walk(reader, &start);
    if (found != 0)
        return found;
    return FindRegionContent(reader, start, 0, region);
}

} // namespace

int64_t GetOpenFileSize(int fd)
{
    FileStatus status;
    if (StatusOfFile(fd, &status) != 0 || status.kind != FileKind::Regular || status.size <= 0)
        return -1;
    return status.size;
}

int FindRegionContent(EvidenceReader* reader, int32_t start, int32_t tail, ContentRegion* region)
{
    const int64_t size = reader->size;
    const int64_t length = size - kTrailerBlockSize - start - tail;
    // A region that starts inside the watermark block, or a file that is gone, has no content.
    if (size <= 0 || start < 0 || tail < 0 || length < 0)
        return kFileUnfit;
    region->start = start;
    region->length = length;
    region->tail = tail;
    return 0;
}

int FindJpgContent(EvidenceReader* reader, ContentRegion* region)
{
    return FindRegionContent(reader, 0, 2, region);
}

int FindMp4Content(EvidenceReader* reader, ContentRegion* region)
{
    return FindContentAfterWalk(reader, WalkMp4Boxes, region);
}

int FindAviContent(EvidenceReader* reader, ContentRegion* region)
{
    return FindContentAfterWalk(reader, WalkAviChunks, region);
}

int DigestContent(int mode, EvidenceReader* reader, const ContentRegion& region, unsigned char digest[16],
                  const ReadProgress* progress)
{
    ContentPieces pieces;
    if (BeginContentPieces(reader, region, progress, kContentPieceSize, &pieces) != 0)
        return kSystemFailure;
    Md5Context ctx;
    Md5Init(&ctx);
    const unsigned char* data = nullptr;
    size_t length = 0;
    int ret;
    while ((ret = NextContentPiece(&pieces, &data, &length)) == 0 && length > 0)
        DigestUpdate(mode, &ctx, data, static_cast<int32_t>(length));
    if (ret == 0)
        Md5Final(&ctx, digest);
    SecureWipe(&ctx, sizeof ctx);
    EndContentPieces(&pieces);
    return ret;
}

int ComputeRegionDigestOfReader(int mode, EvidenceReader* reader, int32_t start, int32_t tail,
                                unsigned char digest[16], ContentRegion* region, const ReadProgress* progress)
{
    ContentRegion found = {0, 0, 0};
    const int located = FindRegionContent(reader, start, tail, &found);
    if (located != 0)
        return located;
    if (region)
        *region = found;
    return DigestContent(mode, reader, found, digest, progress);
}

namespace {

int DigestOfFound(int mode, EvidenceReader* reader, int (*find)(EvidenceReader*, ContentRegion*),
                  unsigned char digest[16], ContentRegion* region, const ReadProgress* progress)
{
    ContentRegion found = {0, 0, 0};
    const int located = find(reader, &found);
    if (located != 0)
        return located;
    if (region)
        *region = found;
    return DigestContent(mode, reader, found, digest, progress);
}

} // namespace

int ComputeJpgDigestOfReader(int mode, EvidenceReader* reader, unsigned char digest[16],
                             ContentRegion* region, const ReadProgress* progress)
{
    return DigestOfFound(mode, reader, FindJpgContent, digest, region, progress);
}

int ComputeMp4DigestOfReader(int mode, EvidenceReader* reader, unsigned char digest[16],
                             ContentRegion* region, const ReadProgress* progress)
{
    return DigestOfFound(mode, reader, FindMp4Content, digest, region, progress);
}

int ComputeAviDigestOfReader(int mode, EvidenceReader* reader, unsigned char digest[16],
                             ContentRegion* region, const ReadProgress* progress)
{
    return DigestOfFound(mode, reader, FindAviContent, digest, region, progress);
}
