// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_CONTAINERDIGEST_H
#define QUORLITH_ENGINE_CONTAINERDIGEST_H

#include "engine/EvidenceReader.h"

#include <cstddef>
#include <cstdint>

// The bytes a content digest covers: length bytes from start, then the last tail bytes of the
// file. The 512-byte watermark block lies between them.
struct ContentRegion
{
    int64_t start;
    int64_t length;
    int32_t tail;
};

// Told how many content bytes were just read, as the digest reads them; for progress displays. goOn,
// when set, is asked after each piece: false stops the reading there, which then fails as a system
// failure with errno ECANCELED, so that a stopped verification vouches for nothing.
struct ReadProgress
{
    void (*bytesRead)(void* context, int64_t count);
    void* context;
    bool (*goOn)(void* context) = nullptr;
};

// What the functions below answer besides 0: the file does not fit (too short, a structure that
// does not lead to content), or the system failed while reading it (an I/O error, no memory, no
// descriptors), with errno telling how. The second says nothing about the evidence.
enum
{
    kFileUnfit = -1,
    kSystemFailure = -2
};

// The size of the regular file fd; -1 for an empty file or anything else.
int64_t GetOpenFileSize(int fd);

// Where each type's content lies: 0 and *region, or kFileUnfit or kSystemFailure. The region starts
// at 0 (JPG) or where the container's media data does, and leaves the watermark block out.
int FindJpgContent(EvidenceReader* reader, ContentRegion* region);
int FindMp4Content(EvidenceReader* reader, ContentRegion* region);
int FindAviContent(EvidenceReader* reader, ContentRegion* region);
int FindRegionContent(EvidenceReader* reader, int32_t start, int32_t tail, ContentRegion* region);

// The content digest of a region found above, read with one-stream MD5 (mode 0) or the fold (mode 1)
// closed by the MD5 finalisation: 0, kFileUnfit or kSystemFailure.
int DigestContent(int mode, EvidenceReader* reader, const ContentRegion& region, unsigned char digest[16],
                  const ReadProgress* progress);

// Each answers 0 and writes the 16-byte content digest before keying (MD5, or for mode 1 the fold
// closed by the MD5 finalisation), or kFileUnfit or kSystemFailure and
// leaves digest alone. When region is given it receives the region as soon as it is known, also if
// reading fails later. They read through a reader that the caller began and ends, so that one
// verification reads each byte once.
int ComputeJpgDigestOfReader(int mode, EvidenceReader* reader, unsigned char digest[16],
                             ContentRegion* region, const ReadProgress* progress);
int ComputeMp4DigestOfReader(int mode, EvidenceReader* reader, unsigned char digest[16],
                             ContentRegion* region, const ReadProgress* progress);
int ComputeAviDigestOfReader(int mode, EvidenceReader* reader, unsigned char digest[16],
                             ContentRegion* region, const ReadProgress* progress);
int ComputeRegionDigestOfReader(int mode, EvidenceReader* reader, int32_t start, int32_t tail,
                                unsigned char digest[16], ContentRegion* region,
                                const ReadProgress* progress);

#endif
