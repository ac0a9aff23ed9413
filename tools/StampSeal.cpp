// SPDX-License-Identifier: Apache-2.0
// Seals a record into a watermark block the way the recorder does: PKCS #1 v1.5 block type 2
// with the RSA private key, the ciphertext in bytes 0..255 and random filler after it.
#include "tools/EvidenceStamper.h"

#include "tools/StampRsa.h"

#include <openssl/rand.h>

#include <cstring>

namespace {

const size_t kSealedSize = 256;
const size_t kMinimumPadding = 8;

bool FillNonzero(unsigned char* out, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        do {
            if (RAND_bytes(out + i, 1) != 1)
                return false;
        } while (out[i] == 0);
    }
    return true;
}

int SealWithKey(EVP_PKEY* key, const std::string& recordText, unsigned char block[512])
{
    if (StampKeyBytes(key) != kSealedSize || recordText.size() > kSealedSize - 3 - kMinimumPadding)
        return -1;

    unsigned char encoded[kSealedSize];
    const size_t paddingLength = kSealedSize - 3 - recordText.size();
    encoded[0] = 0x00;
    encoded[1] = 0x02;
    if (!FillNonzero(encoded + 2, paddingLength))
        return -1;
    encoded[2 + paddingLength] = 0x00;
    memcpy(encoded + 3 + paddingLength, recordText.data(), recordText.size());

    unsigned char sealed[512];
    if (RawRsaPrivate(key, encoded, sealed) != 0 || RAND_bytes(sealed + kSealedSize, 512 - kSealedSize) != 1)
        return -1;
    memcpy(block, sealed, sizeof sealed);
    return 0;
}

} // namespace

int SealRecord(const std::string& keyPemPath, const std::string& recordText, unsigned char block[512])
{
    EVP_PKEY* key = LoadStampKey(keyPemPath);
    if (!key)
        return -1;
    const int ret = SealWithKey(key, recordText, block);
    FreeStampKey(key);
    return ret;
}
