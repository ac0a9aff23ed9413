// SPDX-License-Identifier: Apache-2.0
#include "verdict/Sha256Stream.h"

#include "digest/HexText.h"

#include <openssl/err.h>
#include <openssl/evp.h>

Sha256Stream::Sha256Stream() : context(EVP_MD_CTX_new())
{
    ok = context && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1;
}

Sha256Stream::~Sha256Stream()
{
    EVP_MD_CTX_free(context);
}

bool Sha256Stream::Update(const unsigned char* data, size_t length)
{
    ok = ok && EVP_DigestUpdate(context, data, length) == 1;
    return ok;
}

bool Sha256Stream::Finish(std::string* hexDigest)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    ok = ok && EVP_DigestFinal_ex(context, digest, &length) == 1 && length == 32;
    if (!ok) {
        ERR_clear_error();
        return false;
    }
    *hexDigest = LowerHex(digest, length);
    ok = false;
    return true;
}
