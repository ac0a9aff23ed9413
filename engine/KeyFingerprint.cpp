// SPDX-License-Identifier: Apache-2.0
#include "engine/KeyFingerprint.h"

#include "digest/HexText.h"
#include "engine/RsaPublicKey.h"

#include <openssl/evp.h>

std::string RecorderKeyFingerprint()
{
    const RsaPublicKey* key = RecorderPublicKey();
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    if (!key ||
        EVP_Digest(key->modulus, key->modulusBytes, digest, &digestLength, EVP_sha256(), nullptr) != 1)
        return std::string();
    return LowerHex(digest, digestLength);
}
