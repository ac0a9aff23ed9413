// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_ENGINE_CONTENTPIECES_H
#define QUORLITH_ENGINE_CONTENTPIECES_H

#include "engine/ContainerDigest.h"
#include "engine/EvidenceReader.h"

#include <cstddef>
#include <cstdint>

// The piece size does not show in the digest; this one keeps a piece in the second-level cache.
const size_t kContentPieceSize = 128 * 1024;

// The content bytes of one file, piece by piece, for a digest that takes them when it is ready: the
// one-stream MD5 at once, a lane of the multi-buffer MD5 when the lane has taken the piece before.
// The observer hears every byte up to each part's start before it, as the reading goes.
struct ContentPieces
{
    EvidenceReader* reader;
    const ReadProgress* progress;
    unsigned char* buffer;
    size_t pieceSize;
    int part;       // 0: length bytes from start, 1: the tail, 2: done
    bool partBegun; // the observer has heard up to the part's start
    bool gavePiece; // a piece was given since progress was last asked whether to go on
    int64_t offset; // where the next piece starts
    int64_t left;   // bytes of the part not given yet
    int64_t tailOffset;
    int64_t tailLength;
};

// 0, or kSystemFailure (ENOMEM) when there is no memory for a piece. Pair with EndContentPieces.
int BeginContentPieces(EvidenceReader* reader, const ContentRegion& region, const ReadProgress* progress,
                       size_t pieceSize, ContentPieces* pieces);
// The next piece in *data and *length (0 once the content is given whole), told to progress. 0,
// kFileUnfit or kSystemFailure; a progress that says not to go on makes it kSystemFailure with
// errno ECANCELED, so that a stopped verification vouches for nothing.
int NextContentPiece(ContentPieces* pieces, const unsigned char** data, size_t* length);
void EndContentPieces(ContentPieces* pieces);

#endif
