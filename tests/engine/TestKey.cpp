// SPDX-License-Identifier: Apache-2.0
#include "TestKey.h"

#include "tools/StampRsa.h"

#include <memory>

namespace {

struct KeyFree
{
    void operator()(EVP_PKEY* key) const { FreeStampKey(key); }
};
using LoadedKey = std::unique_ptr<EVP_PKEY, KeyFree>;

} // namespace

QByteArray TestKeyModulus()
{
    LoadedKey key(LoadStampKey(QUORLITH_TEST_KEY));
    QByteArray modulus(256, '\0');
    if (!key || StampKeyModulus(key.get(), reinterpret_cast<unsigned char*>(modulus.data()), 256) != 0)
        return QByteArray();
    return modulus;
}

QByteArray SealWithTestKey(const QByteArray& encoded)
{
    LoadedKey key(LoadStampKey(QUORLITH_TEST_KEY));
    if (!key || encoded.size() != 256)
        return QByteArray();
    QByteArray sealed(256, '\0');
    if (RawRsaPrivate(key.get(), reinterpret_cast<const unsigned char*>(encoded.constData()),
                      reinterpret_cast<unsigned char*>(sealed.data())) != 0)
        return QByteArray();
    return sealed;
}
