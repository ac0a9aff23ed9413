// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_SECUREWIPE_H
#define QUORLITH_DIGEST_SECUREWIPE_H

#include <cstddef>

// Zeroes key material in a way the optimiser may not drop, unlike a memset of memory that is not
// read again, so no key or keyed state outlives its use.
void SecureWipe(void* memory, size_t length);

#endif
