// SPDX-License-Identifier: Apache-2.0
#include "engine/CryptoLibrarySetup.h"

#include <openssl/crypto.h>

bool SetUpCryptoLibrary()
{
    return OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG, nullptr) == 1;
}
