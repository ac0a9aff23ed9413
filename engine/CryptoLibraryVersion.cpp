// SPDX-License-Identifier: Apache-2.0
#include "engine/CryptoLibraryVersion.h"

#include <openssl/crypto.h>

std::string CryptoLibraryVersion()
{
    // The library loaded at run time, e.g. "OpenSSL 3.0.17 1 Jul 2025", not the headers built against.
    return OpenSSL_version(OPENSSL_VERSION);
}
