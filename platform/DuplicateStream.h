// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_DUPLICATESTREAM_H
#define QUORLITH_PLATFORM_DUPLICATESTREAM_H

#include <cstdio>

// A stream that writes, in binary, to a duplicate of descriptor: closing the stream leaves descriptor
// open for its owner, who still decides whether what was written is kept. nullptr with errno set when
// the system refuses; nothing stays open then.
FILE* WriteStreamOnDuplicate(int descriptor);

#endif
