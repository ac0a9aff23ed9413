// SPDX-License-Identifier: Apache-2.0
// Seals a record into a watermark block the way the recorder does: PKCS #1 v1.5 block type 2
// with the RSA private key, the ciphertext in bytes 0..255 and random filler after it.
#include "tools/EvidenceStamper.h"

#include <mbedtls/ctr_drbg.h>
#include <mbedtls/entropy.h>
#include <mbedtls/pk.h>
#include <mbedtls/rsa.h>

#include <cstring>

namespace {

const size_t kSealedSize = 256;
const size_t kMinimumPadding = 8;

// Everything one seal needs from mbed TLS, released on every path by the destructor.
struct SealContext
{
    mbedtls_pk_context key;
    mbedtls_entropy_context entropy;
    mbedtls_ctr_drbg_context random;

    SealContext()
    {
        mbedtls_pk_init(&key);
        mbedtls_entropy_init(&entropy);
        mbedtls_ctr_drbg_init(&random);
    }
    ~SealContext()
    {
        mbedtls_ctr_drbg_free(&random);
        mbedtls_entropy_free(&entropy);
        mbedtls_pk_free(&key);
    }
    SealContext(const SealContext&) = delete;
    SealContext& operator=(const SealContext&) = delete;
};

bool FillNonzero(mbedtls_ctr_drbg_context* random, unsigned char* out, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        do {
            if (mbedtls_ctr_drbg_random(random, out + i, 1) != 0)
                return false;
        } while (out[i] == 0);
    }
    return true;
}

} // namespace

int SealRecord(const std::string& keyPemPath, const std::string& recordText, unsigned char block[512])
{
    SealContext seal;
    static const char personalisation[] = "quorlith-stamp";
    if (mbedtls_ctr_drbg_seed(&seal.random, mbedtls_entropy_func, &seal.entropy,
                              reinterpret_cast<const unsigned char*>(personalisation),
                              sizeof personalisation - 1) != 0)
        return -1;
    if (mbedtls_pk_parse_keyfile(&seal.key, keyPemPath.c_str(), nullptr) != 0 ||
        mbedtls_pk_get_type(&seal.key) != MBEDTLS_PK_RSA)
        return -1;
    mbedtls_rsa_context* rsa = mbedtls_pk_rsa(seal.key);
    if (mbedtls_rsa_get_len(rsa) != kSealedSize || recordText.size() > kSealedSize - 3 - kMinimumPadding)
        return -1;

    unsigned char encoded[kSealedSize];
    const size_t paddingLength = kSealedSize - 3 - recordText.size();
    encoded[0] = 0x00;
    encoded[1] = 0x02;
    if (!FillNonzero(&seal.random, encoded + 2, paddingLength))
        return -1;
    encoded[2 + paddingLength] = 0x00;
    memcpy(encoded + 3 + paddingLength, recordText.data(), recordText.size());

    unsigned char sealed[512];
    if (mbedtls_rsa_private(rsa, mbedtls_ctr_drbg_random, &seal.random, encoded, sealed) != 0 ||
        mbedtls_ctr_drbg_random(&seal.random, sealed + kSealedSize, sizeof sealed - kSealedSize) != 0)
        return -1;
    memcpy(block, sealed, sizeof sealed);
    return 0;
}
