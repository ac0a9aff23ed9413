// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_COVERAGE_H
#define QUORLITH_VERDICT_COVERAGE_H

#include "engine/ContainerDigest.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One remark on what the digest leaves out, as facts, so that each program can word it in its language.
struct CoverageNote
{
    enum class Kind
    {
        NothingDigested,  // the verdict came before any content was digested
        HeaderNotCovered, // bytes first..last: the container header before the media data
        WatermarkBlock,   // bytes first..last: the 512-byte block
        FoldIndexZero,    // version 1.1, index 0: only the content length (count) counts
        FoldStriped,      // version 1.1: of count content bytes only kept, positions mod 64 below index
    };
    Kind kind = Kind::NothingDigested;
    int64_t first = 0;
    int64_t last = 0;
    int64_t count = 0;
    int64_t kept = 0;
    int64_t index = 0;
};

// The note in English, as the command-line reports write it.
std::string CoverageNoteText(const CoverageNote& note);

// Which bytes of one file the keyed content digest vouches for. Ranges are file offsets, both ends
// included, in ascending order and never adjacent to each other.
struct Coverage
{
    int64_t protectedBytes = 0;
    std::vector<std::pair<int64_t, int64_t>> unprotectedRanges;
    std::vector<CoverageNote> notes;
    // True when some byte outside the 512-byte watermark block is not protected.
    bool partial = false;
};

// Coverage of the content region the engine digested in digest mode 0 ("1.0") or 1 ("1.1").
Coverage CoverageOfRegion(const ContentRegion& region, int digestMode, int64_t fileSize);

// Coverage when the verdict was reached before any content was digested: nothing is vouched for.
Coverage CoverageWithoutContent(int64_t fileSize);

// The number of content bytes among contentLength that still count after the version "1.1" fold:
// the fold keeps only the stream positions whose value modulo 64 is below (L >> 3) mod 64.
int64_t FoldProtectedBytes(int64_t contentLength);

#endif
