// SPDX-License-Identifier: Apache-2.0
#include "engine/KeyFingerprint.h"

#include "engine/BuiltInKeys.h"

#include <mbedtls/bignum.h>
#include <mbedtls/sha256.h>

namespace {

constexpr size_t kModulusBytes = 256;

} // namespace

std::string RecorderKeyFingerprint()
{
    unsigned char modulus[kModulusBytes];
    mbedtls_mpi number;
    mbedtls_mpi_init(&number);
    const bool read = mbedtls_mpi_read_string(&number, 16, kRecorderModulusHex) == 0 &&
                      mbedtls_mpi_write_binary(&number, modulus, sizeof modulus) == 0;
    mbedtls_mpi_free(&number);
    unsigned char digest[32];
    if (!read || mbedtls_sha256_ret(modulus, sizeof modulus, digest, 0) != 0)
        return std::string();
    static const char hexDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * sizeof digest);
    for (const unsigned char byte : digest) {
        hex += hexDigits[byte >> 4];
        hex += hexDigits[byte & 0x0f];
    }
    return hex;
}
