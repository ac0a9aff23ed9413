// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_EVIDENCEREADER_H
#define QUORLITH_ENGINE_EVIDENCEREADER_H

#include <cstddef>
#include <cstdint>

// Hears every byte of the file, in the file's order from offset 0 to its end, as the engine reads
// them; for a second digest of the whole file (SHA-256) taken in the same reading.
struct ByteObserver
{
    void (*bytes)(void* context, const unsigned char* data, size_t length);
    void* context;
};

// What one verification read from the file: system calls and bytes.
struct ReadCount
{
    int calls;
    int64_t bytes;
};

const int64_t kHeldBlockSize = 512;

// One open evidence file as the engine reads it. A small file is read whole with one system call and
// served from memory; a larger one is read where asked, its watermark block kept once read. With an
// observer, the content pass also reads the bytes the content digest skips, so that the observer
// hears the whole file while each byte of it is read once.
struct EvidenceReader
{
    int fd;
    int64_t size;
    const ByteObserver* observer;
    int64_t observed; // the observer has heard bytes [0, observed)
    unsigned char* whole;
    bool wholeTried;
    int64_t blockOffset; // where block was read from; -1 until it was
    unsigned char block[kHeldBlockSize];
    ReadCount count;
};

// Files up to this size are read with one system call.
const int64_t kWholeReadLimit = int64_t(1) << 20;

// Starts reading fd of the given size (-1: nothing to read). A small file is read whole at the first
// read asked for. Pair with EndEvidenceReader, which releases what was held.
void BeginEvidenceReader(int fd, int64_t size, const ByteObserver* observer, EvidenceReader* reader);
void EndEvidenceReader(EvidenceReader* reader);

// Exactly length bytes at offset into out; 0, kFileUnfit when the file ends first, or kSystemFailure.
int ReadEvidenceAt(EvidenceReader* reader, int64_t offset, unsigned char* out, size_t length);
// The same for the 512-byte watermark block, which is then held for the content pass.
int ReadWatermarkBlockAt(EvidenceReader* reader, int64_t offset, unsigned char out[kHeldBlockSize]);

// The first piece of [offset, offset + length): at most pieceSize bytes at offset (buffer holds
// pieceSize), in *data and *got, which is 0 only when length is. Bytes the observer has not heard up
// to offset are read and given to it first, and the piece too. 0, kFileUnfit or kSystemFailure as for
// ReadEvidenceAt.
int PullEvidencePiece(EvidenceReader* reader, int64_t offset, int64_t length, unsigned char* buffer,
                      size_t pieceSize, const unsigned char** data, size_t* got);

// Gives the observer the rest of the file it has not heard; 0, kFileUnfit or kSystemFailure.
int ObserveRestOfFile(EvidenceReader* reader);

#endif
