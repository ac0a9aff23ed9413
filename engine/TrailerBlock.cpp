// SPDX-License-Identifier: Apache-2.0
// Opening the watermark block: RSA public operation, then PKCS #1 v1.5 type 2 unpadding.
#include "engine/TrailerBlock.h"

#include "engine/BuiltInKeys.h"

#include <mbedtls/bignum.h>

#include <cstring>

namespace {

enum
{
    kMinModulusBytes = 16,
    kMaxModulusBytes = 1024
};

// Statuses beside 0; the caller treats them alike, tests and the fuzzer tell them apart.
enum
{
    kBadKey = -1,
    kBlockNotBelowModulus = -2,
    kBadPadding = -3,
    kPlaintextTooLong = -4
};

#define TRAILER_CHK(f)                                                                                       \
    do {                                                                                                     \
        if ((ret = (f)) != 0)                                                                                \
            goto cleanup;                                                                                    \
    } while (0)

} // namespace

int OpenTrailerWithKey(const char* modulusHex, const char* exponentHex,
                       const unsigned char block[kTrailerBlockSize],
                       unsigned char plaintext[kMaxPlaintextSize], size_t* plaintextLength)
{
    int ret = 0;
    size_t k = 0;
    size_t separator = 0;
    size_t length = 0;
    unsigned char em[kMaxModulusBytes];
    mbedtls_mpi n, e, c, m;
    mbedtls_mpi_init(&n);
    mbedtls_mpi_init(&e);
    mbedtls_mpi_init(&c);
    mbedtls_mpi_init(&m);
    *plaintextLength = 0;

    TRAILER_CHK(mbedtls_mpi_read_string(&n, 16, modulusHex));
    TRAILER_CHK(mbedtls_mpi_read_string(&e, 16, exponentHex));

    k = (mbedtls_mpi_bitlen(&n) + 7) / 8;
    // A block shorter than the modulus has no room for its RSA integer.
    if (k < kMinModulusBytes || k > kMaxModulusBytes || k > kTrailerBlockSize) {
        ret = kBadKey;
        goto cleanup;
    }

    TRAILER_CHK(mbedtls_mpi_read_binary(&c, block, k));
    if (mbedtls_mpi_cmp_mpi(&c, &n) >= 0) {
        ret = kBlockNotBelowModulus;
        goto cleanup;
    }
    TRAILER_CHK(mbedtls_mpi_exp_mod(&m, &c, &e, &n, nullptr));
    TRAILER_CHK(mbedtls_mpi_write_binary(&m, em, k));

    if (em[0] != 0x00 || em[1] != 0x02) {
        ret = kBadPadding;
        goto cleanup;
    }
    for (separator = 2; separator < k && em[separator] != 0x00; ++separator) {
    }
    if (separator == k) {
        ret = kBadPadding;
        goto cleanup;
    }
    length = k - (separator + 1);
    if (length > kMaxPlaintextSize) {
        ret = kPlaintextTooLong;
        goto cleanup;
    }
    std::memcpy(plaintext, em + separator + 1, length);
    *plaintextLength = length;

cleanup:
    mbedtls_mpi_free(&n);
    mbedtls_mpi_free(&e);
    mbedtls_mpi_free(&c);
    mbedtls_mpi_free(&m);
    if (ret != 0)
        *plaintextLength = 0;
    return ret;
}

int OpenTrailer(const unsigned char block[kTrailerBlockSize], unsigned char plaintext[kMaxPlaintextSize],
                size_t* plaintextLength)
{
    return OpenTrailerWithKey(kRecorderModulusHex, kRecorderExponentHex, block, plaintext, plaintextLength);
}
