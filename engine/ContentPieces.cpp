// SPDX-License-Identifier: Apache-2.0
#include "engine/ContentPieces.h"

#include <cerrno>
#include <cstdlib>

int BeginContentPieces(EvidenceReader* reader, const ContentRegion& region, const ReadProgress* progress,
                       size_t pieceSize, ContentPieces* pieces)
{
    pieces->reader = reader;
    pieces->progress = progress;
    pieces->pieceSize = pieceSize;
    pieces->part = 0;
    pieces->partBegun = false;
    pieces->gavePiece = false;
    pieces->offset = region.start;
    pieces->left = region.length;
    pieces->tailOffset = reader->size - region.tail;
    pieces->tailLength = region.tail;
    pieces->buffer = static_cast<unsigned char*>(malloc(pieceSize));
    if (!pieces->buffer) {
        errno = ENOMEM;
        return kSystemFailure;
    }
    return 0;
}

int NextContentPiece(ContentPieces* pieces, const unsigned char** data, size_t* length)
{
    const ReadProgress* progress = pieces->progress;
    if (pieces->gavePiece && progress && progress->goOn && !progress->goOn(progress->context)) {
        errno = ECANCELED;
        return kSystemFailure;
    }
    pieces->gavePiece = false;
    *data = nullptr;
    *length = 0;
    while (pieces->part < 2) {
        // Even an empty part has the observer hear the bytes before it, as the digest reaches them.
        if (pieces->left == 0 && pieces->partBegun) {
            ++pieces->part;
            pieces->partBegun = false;
            pieces->offset = pieces->tailOffset;
            pieces->left = pieces->tailLength;
            continue;
        }
        size_t got = 0;
        const int pulled = PullEvidencePiece(pieces->reader, pieces->offset, pieces->left, pieces->buffer,
                                             pieces->pieceSize, data, &got);
        if (pulled != 0)
            return pulled;
        pieces->partBegun = true;
        if (got == 0)
            continue;
        pieces->offset += static_cast<int64_t>(got);
        pieces->left -= static_cast<int64_t>(got);
        pieces->gavePiece = true;
        *length = got;
        if (progress)
            progress->bytesRead(progress->context, static_cast<int64_t>(got));
        return 0;
    }
    return 0;
}

void EndContentPieces(ContentPieces* pieces)
{
    free(pieces->buffer);
    pieces->buffer = nullptr;
}
