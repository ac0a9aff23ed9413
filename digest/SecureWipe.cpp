// SPDX-License-Identifier: Apache-2.0
#include "digest/SecureWipe.h"

#include <openssl/crypto.h>

void SecureWipe(void* memory, size_t length)
{
    OPENSSL_cleanse(memory, length);
}
