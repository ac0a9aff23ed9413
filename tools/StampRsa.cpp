// SPDX-License-Identifier: Apache-2.0
#include "tools/StampRsa.h"

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <cstdio>

namespace {

int RawRsa(EVP_PKEY* key, bool privateSide, const unsigned char* in, unsigned char* out)
{
    const size_t length = StampKeyBytes(key);
    EVP_PKEY_CTX* context = EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr);
    size_t written = length;
    bool ok = context != nullptr;
    if (privateSide)
        ok = ok && EVP_PKEY_decrypt_init(context) == 1 &&
             EVP_PKEY_CTX_set_rsa_padding(context, RSA_NO_PADDING) == 1 &&
             EVP_PKEY_decrypt(context, out, &written, in, length) == 1;
    else
        ok = ok && EVP_PKEY_encrypt_init(context) == 1 &&
             EVP_PKEY_CTX_set_rsa_padding(context, RSA_NO_PADDING) == 1 &&
             EVP_PKEY_encrypt(context, out, &written, in, length) == 1;
    EVP_PKEY_CTX_free(context);
    return ok && written == length ? 0 : -1;
}

} // namespace

EVP_PKEY* LoadStampKey(const std::string& keyPemPath)
{
    FILE* file = std::fopen(keyPemPath.c_str(), "rb");
    if (!file)
        return nullptr;
    EVP_PKEY* key = PEM_read_PrivateKey(file, nullptr, nullptr, nullptr);
    std::fclose(file);
    if (key && EVP_PKEY_is_a(key, "RSA") != 1) {
        EVP_PKEY_free(key);
        return nullptr;
    }
    return key;
}

void FreeStampKey(EVP_PKEY* key)
{
    EVP_PKEY_free(key);
}

size_t StampKeyBytes(EVP_PKEY* key)
{
    const int size = EVP_PKEY_get_size(key);
    return size > 0 ? static_cast<size_t>(size) : 0;
}

int StampKeyModulus(EVP_PKEY* key, unsigned char* out, size_t length)
{
    BIGNUM* n = nullptr;
    const bool ok = EVP_PKEY_get_bn_param(key, OSSL_PKEY_PARAM_RSA_N, &n) == 1 &&
                    BN_bn2binpad(n, out, static_cast<int>(length)) == static_cast<int>(length);
    BN_free(n);
    return ok ? 0 : -1;
}

int RawRsaPrivate(EVP_PKEY* key, const unsigned char* in, unsigned char* out)
{
    return RawRsa(key, true, in, out);
}

int RawRsaPublic(EVP_PKEY* key, const unsigned char* in, unsigned char* out)
{
    return RawRsa(key, false, in, out);
}
