// SPDX-License-Identifier: Apache-2.0
// The RSA public key of the watermark and its raw public operation, through OpenSSL's EVP interfaces.
#include "engine/RsaPublicKey.h"


#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/param_build.h>
#include <openssl/rsa.h>

#include <cstring>
#include <mutex>
#include <vector>

namespace {

// A hexadecimal text read whole: BN_hex2bn stops quietly at the first other character.
BIGNUM* ReadHexNumber(const char* text)
{
    BIGNUM* number = nullptr;
    const int used = BN_hex2bn(&number, text);
    if (used <= 0 || static_cast<size_t>(used) != std::strlen(text)) {
        BN_free(number);
        return nullptr;
    }
    return number;
}

EVP_PKEY* KeyFromNumbers(const BIGNUM* n, const BIGNUM* e)
{
    OSSL_PARAM_BLD* build = OSSL_PARAM_BLD_new();
    OSSL_PARAM* params = nullptr;
    EVP_PKEY_CTX* context = nullptr;
    EVP_PKEY* key = nullptr;
    if (build && OSSL_PARAM_BLD_push_BN(build, OSSL_PKEY_PARAM_RSA_N, n) == 1 &&
        OSSL_PARAM_BLD_push_BN(build, OSSL_PKEY_PARAM_RSA_E, e) == 1 &&
        (params = OSSL_PARAM_BLD_to_param(build)) != nullptr &&
        (context = EVP_PKEY_CTX_new_from_name(nullptr, "RSA", nullptr)) != nullptr &&
        EVP_PKEY_fromdata_init(context) == 1)
        EVP_PKEY_fromdata(context, &key, EVP_PKEY_PUBLIC_KEY, params);
    EVP_PKEY_CTX_free(context);
    OSSL_PARAM_free(params);
    OSSL_PARAM_BLD_free(build);
    return key;
}

EVP_PKEY_CTX* NewPublicOperation(EVP_PKEY* key)
{
    EVP_PKEY_CTX* context = EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr);
    if (context && EVP_PKEY_encrypt_init(context) == 1 &&
        EVP_PKEY_CTX_set_rsa_padding(context, RSA_NO_PADDING) == 1)
        return context;
    EVP_PKEY_CTX_free(context);
    return nullptr;
}

} // namespace

// Contexts of one key, each lent to one thread at a time (EVP contexts are not shared between threads)
// and kept for the next operation. Not thread_local: MinGW's threads free their thread-local storage
// before its destructors run.
struct RsaOperationPool
{
    std::mutex mutex;
    std::vector<EVP_PKEY_CTX*> idle;

    ~RsaOperationPool()
    {
        for (EVP_PKEY_CTX* context : idle)
            EVP_PKEY_CTX_free(context);
    }

    EVP_PKEY_CTX* Take(EVP_PKEY* key)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!idle.empty()) {
                EVP_PKEY_CTX* context = idle.back();
                idle.pop_back();
                return context;
            }
        }
        return NewPublicOperation(key);
    }

    void Give(EVP_PKEY_CTX* context)
    {
        if (!context)
            return;
        std::lock_guard<std::mutex> lock(mutex);
        idle.push_back(context);
    }
};

namespace {

int Encrypt(EVP_PKEY_CTX* context, const unsigned char* in, size_t k, unsigned char* out)
{
    size_t written = k;
    if (EVP_PKEY_encrypt(context, out, &written, in, k) != 1 || written != k) {
        ERR_clear_error();
        return -1;
    }
    return 0;
}

// Takes both numbers, which it frees.
int ReadRsaNumbers(BIGNUM* n, BIGNUM* e, RsaPublicKey* key)
{
    int ret = -1;
    if (n && e && !BN_is_negative(n) && !BN_is_negative(e) && BN_is_odd(n)) {
        const size_t k = static_cast<size_t>(BN_num_bytes(n));
        if (k >= kMinModulusBytes && k <= kMaxModulusBytes &&
            BN_bn2binpad(n, key->modulus, static_cast<int>(k)) == static_cast<int>(k) &&
            (key->key = KeyFromNumbers(n, e)) != nullptr) {
            key->modulusBytes = k;
            key->pool = new RsaOperationPool;
            ret = 0;
        }
    }
    BN_free(n);
    BN_free(e);
    if (ret != 0) {
        ERR_clear_error();
        key->modulusBytes = 0;
    }
    return ret;
}

} // namespace

int ReadRsaPublicKey(const char* modulusHex, const char* exponentHex, RsaPublicKey* key)
{
    return ReadRsaNumbers(ReadHexNumber(modulusHex), ReadHexNumber(exponentHex), key);
}

int ReadRsaPublicKeyBytes(const unsigned char* modulus, size_t modulusLength, const unsigned char* exponent,
                          size_t exponentLength, RsaPublicKey* key)
{
    if (modulusLength > kMaxModulusBytes + 1 || exponentLength > kMaxModulusBytes + 1)
        return -1;
    return ReadRsaNumbers(BN_bin2bn(modulus, static_cast<int>(modulusLength), nullptr),
                          BN_bin2bn(exponent, static_cast<int>(exponentLength), nullptr), key);
}

void FreeRsaPublicKey(RsaPublicKey* key)
{
    delete key->pool;
    key->pool = nullptr;
    EVP_PKEY_free(key->key);
    key->key = nullptr;
    key->modulusBytes = 0;
}

int RsaPublicOperation(const RsaPublicKey& key, const unsigned char* in, unsigned char* out)
{
    if (!key.pool)
        return -1;
    EVP_PKEY_CTX* context = key.pool->Take(key.key);
    const int ret = context ? Encrypt(context, in, key.modulusBytes, out) : -1;
    key.pool->Give(context);
    return ret;
}
