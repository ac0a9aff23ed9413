// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_CONTAINERDIGEST_H
#define QUORLITH_ENGINE_CONTAINERDIGEST_H

#include <cstdint>

// The bytes a content digest covers: length bytes from start, then the last tail bytes of the
// file. The 512-byte watermark block lies between them.
struct ContentRegion
{
    int64_t start;
    int64_t length;
    int32_t tail;
};

// Size of the file named by a UTF-8 path; -1 for an empty or missing file.
int64_t GetFileSize(const char* path);

// Each answers 0 and writes the 16-byte keyed content digest, or -1 and leaves digest alone.
// When region is given it receives the region as soon as it is known, also if reading fails later.
int ComputeJpgDigest(int mode, const char* path, unsigned char digest[16], ContentRegion* region = nullptr);
int ComputeMp4Digest(int mode, const char* path, unsigned char digest[16], ContentRegion* region = nullptr);
int ComputeAviDigest(int mode, const char* path, unsigned char digest[16], ContentRegion* region = nullptr);
int ComputeRegionDigest(int mode, const char* path, int32_t start, int32_t tail, unsigned char digest[16],
                        ContentRegion* region = nullptr);

// The container walks alone: the offset of the first content byte, 0 on success, -1 on failure.
int FindMp4ContentStart(const char* path, int32_t* start);
int FindAviContentStart(const char* path, int32_t* start);

#endif
