// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_COVERAGEMARK_H
#define QUORLITH_FILELIST_COVERAGEMARK_H

#include "verdict/VerificationResult.h"

#include <QIcon>

// The sign in the File Name cell of an authentic file whose version 1.1 digest (the XOR fold) does
// not protect all of it: a warning sign when it protects none of its content, a half-filled circle
// when it protects part. Green alone would read like full protection. Any other file gets no sign;
// the row's tooltip says how many bytes are protected.
class CoverageMark
{
public:
    enum class Kind
    {
        None,
        Partial,
        Nothing,
    };
    static Kind Of(const VerificationResult& result);
    // A null icon for Kind::None.
    static QIcon Icon(Kind kind);
};

#endif
