// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_DESCRIPTOROUTPUT_H
#define QUORLITH_PLATFORM_DESCRIPTOROUTPUT_H

#include <cstddef>

// Hands all size bytes to the open descriptor, going on after an interrupted or short write. 0, or the
// errno of the write that failed (EIO when the system took nothing without saying why).
int WriteAllTo(int descriptor, const char* data, size_t size);

// Syncs the descriptor's file to the disk. 0 or the errno of the failure.
int SyncToDisk(int descriptor);

#endif
