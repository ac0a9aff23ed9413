// SPDX-License-Identifier: Apache-2.0
#include "TestKey.h"

#include <mbedtls/pk.h>
#include <mbedtls/rsa.h>

namespace {

struct LoadedKey
{
    mbedtls_pk_context pk;
    bool ok;
    LoadedKey()
    {
        mbedtls_pk_init(&pk);
        ok = mbedtls_pk_parse_keyfile(&pk, QUORLITH_TEST_KEY, nullptr) == 0 &&
             mbedtls_pk_get_type(&pk) == MBEDTLS_PK_RSA;
    }
    ~LoadedKey() { mbedtls_pk_free(&pk); }
};

} // namespace

QByteArray TestKeyModulus()
{
    LoadedKey key;
    if (!key.ok)
        return QByteArray();
    QByteArray modulus(256, '\0');
    mbedtls_rsa_context* rsa = mbedtls_pk_rsa(key.pk);
    if (mbedtls_mpi_write_binary(&rsa->N, reinterpret_cast<unsigned char*>(modulus.data()), 256) != 0)
        return QByteArray();
    return modulus;
}

QByteArray SealWithTestKey(const QByteArray& encoded)
{
    LoadedKey key;
    if (!key.ok || encoded.size() != 256)
        return QByteArray();
    QByteArray sealed(256, '\0');
    if (mbedtls_rsa_private(mbedtls_pk_rsa(key.pk), nullptr, nullptr,
                            reinterpret_cast<const unsigned char*>(encoded.constData()),
                            reinterpret_cast<unsigned char*>(sealed.data())) != 0)
        return QByteArray();
    return sealed;
}
