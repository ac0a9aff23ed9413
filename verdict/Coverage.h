#ifndef QUORLITH_VERDICT_COVERAGE_H
#define QUORLITH_VERDICT_COVERAGE_H

#include "engine/ContainerDigest.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Which bytes of one file the keyed content digest vouches for. Ranges are file offsets, both ends
// included, in ascending order and never adjacent to each other.
struct Coverage
{
    int64_t protectedBytes = 0;
    std::vector<std::pair<int64_t, int64_t>> unprotectedRanges;
    std::vector<std::string> notes;
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
