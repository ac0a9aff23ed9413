// SPDX-License-Identifier: Apache-2.0
// Opening the watermark block: RSA public operation, then PKCS #1 v1.5 type 2 unpadding.
#include "engine/TrailerBlock.h"

#include "engine/KeySet.h"
#include "engine/RsaPublicKey.h"

#include <cstring>

namespace {

// Statuses beside 0; the caller treats them alike, tests and the fuzzer tell them apart.
enum
{
    kBadKey = -1,
    kBlockNotBelowModulus = -2,
    kBadPadding = -3,
    kPlaintextTooLong = -4,
    kOperationFailed = -5
};

int OpenWithKey(const RsaPublicKey* key, const unsigned char block[kTrailerBlockSize],
                unsigned char plaintext[kMaxPlaintextSize], size_t* plaintextLength)
{
    *plaintextLength = 0;
    // A block shorter than the modulus has no room for its RSA integer.
    if (!key || key->modulusBytes > kTrailerBlockSize)
        return kBadKey;
    const size_t k = key->modulusBytes;
    // Both k bytes big-endian: the byte order is the numeric order.
    if (std::memcmp(block, key->modulus, k) >= 0)
        return kBlockNotBelowModulus;

    unsigned char em[kMaxModulusBytes];
    if (RsaPublicOperation(*key, block, em) != 0)
        return kOperationFailed;
    if (em[0] != 0x00 || em[1] != 0x02)
        return kBadPadding;
    size_t separator = 2;
    while (separator < k && em[separator] != 0x00)
        ++separator;
    if (separator == k)
        return kBadPadding;
    const size_t length = k - (separator + 1);
    if (length > kMaxPlaintextSize)
        return kPlaintextTooLong;
    std::memcpy(plaintext, em + separator + 1, length);
    *plaintextLength = length;
    return 0;
}

} // namespace

int OpenTrailerWithKey(const char* modulusHex, const char* exponentHex,
                       const unsigned char block[kTrailerBlockSize],
                       unsigned char plaintext[kMaxPlaintextSize], size_t* plaintextLength)
{
    RsaPublicKey key;
    if (ReadRsaPublicKey(modulusHex, exponentHex, &key) != 0) {
        *plaintextLength = 0;
        return kBadKey;
    }
    const int ret = OpenWithKey(&key, block, plaintext, plaintextLength);
    FreeRsaPublicKey(&key);
    return ret;
}

int OpenTrailerWithPublicKey(const RsaPublicKey* key, const unsigned char block[kTrailerBlockSize],
                             unsigned char plaintext[kMaxPlaintextSize], size_t* plaintextLength)
{
    return OpenWithKey(key, block, plaintext, plaintextLength);
}

int OpenTrailer(const unsigned char block[kTrailerBlockSize], unsigned char plaintext[kMaxPlaintextSize],
                size_t* plaintextLength)
{
    return OpenWithKey(&BuiltInKeySet().publicKey, block, plaintext, plaintextLength);
}
