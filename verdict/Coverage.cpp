// SPDX-License-Identifier: Apache-2.0
#include "verdict/Coverage.h"

#include <algorithm>

namespace {

const int64_t kBlockSize = 512;

// The fold keeps its 64 column bytes, but the finalisation writes its padding from index
// (L >> 3) mod 64 on, where L is the byte count held modulo 2^32; only the columns below survive.
int64_t FoldIndex(int64_t contentLength)
{
    const uint32_t foldedCount = static_cast<uint32_t>(contentLength);
    return (foldedCount >> 3) % 64;
}

std::string Range(int64_t first, int64_t last)
{
    return "bytes " + std::to_string(first) + " to " + std::to_string(last);
}

void AddRange(Coverage* coverage, int64_t first, int64_t last)
{
    if (last < first)
        return;
    auto& ranges = coverage->unprotectedRanges;
    if (!ranges.empty() && ranges.back().second + 1 >= first) {
        ranges.back().second = std::max(ranges.back().second, last);
        return;
    }
    ranges.emplace_back(first, last);
}

} // namespace

int64_t FoldProtectedBytes(int64_t contentLength)
{
    if (contentLength <= 0)
        return 0;
    const int64_t index = FoldIndex(contentLength);
    return (contentLength / 64) * index + std::min(contentLength % 64, index);
}

std::string CoverageNoteText(const CoverageNote& note)
{
    switch (note.kind) {
    case CoverageNote::Kind::NothingDigested:
        return "the verdict was reached before any content was digested: no byte is vouched for";
    case CoverageNote::Kind::HeaderNotCovered:
        return Range(note.first, note.last) + ", the container header before the media data, are not covered";
    case CoverageNote::Kind::WatermarkBlock:
        return Range(note.first, note.last) + " are the 512-byte watermark block, not content";
    case CoverageNote::Kind::FoldIndexZero:
        return "record version 1.1 with fold index 0: no content byte counts, the digest depends only on the "
               "content length of " +
               std::to_string(note.count) + " bytes";
    case CoverageNote::Kind::FoldStriped:
        return "record version 1.1: of the " + std::to_string(note.count) + " content bytes only the " +
               std::to_string(note.kept) + " whose position in the content modulo 64 is below " +
               std::to_string(note.index) +
               " count, and they are combined by XOR per position, so changes that cancel out go unnoticed";
    }
    return std::string();
}

Coverage CoverageWithoutContent(int64_t fileSize)
{
    Coverage coverage;
    if (fileSize > 0)
        AddRange(&coverage, 0, fileSize - 1);
    coverage.notes.push_back({CoverageNote::Kind::NothingDigested});
    coverage.partial = true;
    return coverage;
}

Coverage CoverageOfRegion(const ContentRegion& region, int digestMode, int64_t fileSize)
{
    if (region.length < 0)
        return CoverageWithoutContent(fileSize);

    Coverage coverage;
    const int64_t blockStart = region.start + region.length;
    const int64_t tailStart = blockStart + kBlockSize;
    const int64_t contentLength = region.length + region.tail;

    if (region.start > 0)
        coverage.notes.push_back({CoverageNote::Kind::HeaderNotCovered, 0, region.start - 1});
    coverage.notes.push_back({CoverageNote::Kind::WatermarkBlock, blockStart, tailStart - 1});

    if (digestMode == 1) {
        const int64_t index = FoldIndex(contentLength);
        coverage.protectedBytes = FoldProtectedBytes(contentLength);
        if (index == 0 || contentLength == 0) {
            CoverageNote note{CoverageNote::Kind::FoldIndexZero};
            note.count = contentLength;
            coverage.notes.push_back(note);
        } else if (coverage.protectedBytes < contentLength) {
            CoverageNote note{CoverageNote::Kind::FoldStriped};
            note.count = contentLength;
            note.kept = coverage.protectedBytes;
            note.index = index;
            coverage.notes.push_back(note);
        }
    } else {
        coverage.protectedBytes = contentLength;
    }

    const bool contentUnprotected = coverage.protectedBytes == 0;
    AddRange(&coverage, 0, region.start - 1);
    if (contentUnprotected)
        AddRange(&coverage, region.start, blockStart - 1);
    AddRange(&coverage, blockStart, tailStart - 1);
    if (contentUnprotected)
        AddRange(&coverage, tailStart, tailStart + region.tail - 1);

    coverage.partial = coverage.protectedBytes < fileSize - kBlockSize;
    return coverage;
}
