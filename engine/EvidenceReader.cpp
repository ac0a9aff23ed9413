// SPDX-License-Identifier: Apache-2.0
#include "engine/EvidenceReader.h"

#include "engine/ContainerDigest.h"
#include "engine/SystemFailure.h"
#include "platform/ReadOnlyFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

const size_t kObservePieceSize = 128 * 1024;

int ReadCounted(EvidenceReader* reader, int64_t offset, unsigned char* out, size_t length)
{
    if (offset < 0)
        return kFileUnfit;
    size_t done = 0;
    while (done < length) {
        const int64_t got =
            ReadAt(reader->fd, offset + static_cast<int64_t>(done), out + done, length - done);
        ++reader->count.calls;
        if (got < 0)
            return IsSystemFailure(errno) ? kSystemFailure : kFileUnfit;
        if (got == 0)
            return kFileUnfit;
        reader->count.bytes += got;
        done += static_cast<size_t>(got);
    }
    return 0;
}

void Observe(EvidenceReader* reader, const unsigned char* data, size_t length)
{
    reader->observer->bytes(reader->observer->context, data, length);
    reader->observed += static_cast<int64_t>(length);
}

// A small file is read whole on first need, with one system call, and the observer hears all of it
// at once. If that read comes up short the file is read piece by piece instead, as a large one.
void ReadWholeOnce(EvidenceReader* reader)
{
    if (reader->wholeTried)
        return;
    reader->wholeTried = true;
    if (reader->size <= 0 || reader->size > kWholeReadLimit)
        return;
    unsigned char* whole = static_cast<unsigned char*>(malloc(static_cast<size_t>(reader->size)));
    if (!whole)
        return;
    if (ReadCounted(reader, 0, whole, static_cast<size_t>(reader->size)) != 0) {
        free(whole);
        return;
    }
    reader->whole = whole;
    if (reader->observer && reader->observed == 0)
        Observe(reader, whole, static_cast<size_t>(reader->size));
}

// Up to want bytes at offset: from memory where the file or its watermark block is held, else read
// into buffer. A piece read stops short of the block held, so that the block is not read again.
// Sets *data and *length; 0, kFileUnfit or kSystemFailure.
int FetchPiece(EvidenceReader* reader, int64_t offset, size_t want, unsigned char* buffer,
               const unsigned char** data, size_t* length)
{
    ReadWholeOnce(reader);
    if (reader->whole) {
        if (offset < 0 || offset + static_cast<int64_t>(want) > reader->size)
            return kFileUnfit;
        *data = reader->whole + offset;
        *length = want;
        return 0;
    }
    const int64_t block = reader->blockOffset;
    if (block >= 0 && offset >= block && offset < block + kHeldBlockSize) {
        *data = reader->block + (offset - block);
        *length = std::min(want, static_cast<size_t>(block + kHeldBlockSize - offset));
        return 0;
    }
    if (block >= 0 && offset < block && offset + static_cast<int64_t>(want) > block)
        want = static_cast<size_t>(block - offset);
    const int read = ReadCounted(reader, offset, buffer, want);
    if (read != 0)
        return read;
    *data = buffer;
    *length = want;
    return 0;
}

int ObserveUpTo(EvidenceReader* reader, int64_t end, unsigned char* buffer, size_t pieceSize)
{
    while (reader->observed < end) {
        const size_t want = static_cast<size_t>(std::min<int64_t>(end - reader->observed, pieceSize));
        const unsigned char* data = nullptr;
        size_t length = 0;
        const int64_t from = reader->observed;
        const int fetched = FetchPiece(reader, from, want, buffer, &data, &length);
        if (fetched != 0)
            return fetched;
        // The fetch may have read a small file whole, and the observer then heard all of it already.
        if (reader->observed == from)
            Observe(reader, data, length);
    }
    return 0;
}

} // namespace

void BeginEvidenceReader(int fd, int64_t size, const ByteObserver* observer, EvidenceReader* reader)
{
    reader->fd = fd;
    reader->size = size < 0 ? 0 : size;
    reader->observer = observer;
    reader->observed = 0;
    reader->whole = nullptr;
    reader->wholeTried = false;
    reader->blockOffset = -1;
    reader->count = {0, 0};
}

void EndEvidenceReader(EvidenceReader* reader)
{
    free(reader->whole);
    reader->whole = nullptr;
}

int ReadEvidenceAt(EvidenceReader* reader, int64_t offset, unsigned char* out, size_t length)
{
    ReadWholeOnce(reader);
    if (!reader->whole)
        return ReadCounted(reader, offset, out, length);
    if (offset < 0 || offset + static_cast<int64_t>(length) > reader->size)
        return kFileUnfit;
    std::memcpy(out, reader->whole + offset, length);
    return 0;
}

int ReadWatermarkBlockAt(EvidenceReader* reader, int64_t offset, unsigned char out[kHeldBlockSize])
{
    const int read = ReadEvidenceAt(reader, offset, out, kHeldBlockSize);
    if (read == 0 && !reader->whole) {
        std::memcpy(reader->block, out, kHeldBlockSize);
        reader->blockOffset = offset;
    }
    return read;
}

int PullEvidencePiece(EvidenceReader* reader, int64_t offset, int64_t length, unsigned char* buffer,
                      size_t pieceSize, const unsigned char** data, size_t* got)
{
    if (offset < 0)
        return kFileUnfit;
    if (reader->observer) {
        const int observed = ObserveUpTo(reader, offset, buffer, pieceSize);
        if (observed != 0)
            return observed;
    }
    *data = nullptr;
    *got = 0;
    if (length <= 0)
        return 0;
    const size_t want = static_cast<size_t>(std::min<int64_t>(length, pieceSize));
    const int fetched = FetchPiece(reader, offset, want, buffer, data, got);
    if (fetched != 0)
        return fetched;
    if (reader->observer && reader->observed == offset)
        Observe(reader, *data, *got);
    return 0;
}

int ObserveRestOfFile(EvidenceReader* reader)
{
    if (!reader->observer || reader->observed >= reader->size)
        return 0;
    unsigned char* buffer = static_cast<unsigned char*>(malloc(kObservePieceSize));
    if (!buffer) {
        errno = ENOMEM;
        return kSystemFailure;
    }
    const int ret = ObserveUpTo(reader, reader->size, buffer, kObservePieceSize);
    free(buffer);
    return ret;
}
