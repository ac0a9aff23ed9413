// SPDX-License-Identifier: Apache-2.0
#include "engine/CryptoLibraryVersion.h"

#include <mbedtls/version.h>

std::string CryptoLibraryVersion()
{
    // "mbed TLS x.y.z": at least 9 bytes plus the end, as the library asks.
    char text[64] = {};
    mbedtls_version_get_string_full(text);
    return text;
}
