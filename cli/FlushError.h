// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_FLUSHERROR_H
#define QUORLITH_CLI_FLUSHERROR_H

#include <cstdio>

// Hands what was written to out on to its file and tells whether all of it got there: 0 when it did,
// otherwise the error number of the failure (EIO when the stream failed earlier without saying why).
int FlushError(FILE* out);

#endif
