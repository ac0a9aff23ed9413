// SPDX-License-Identifier: Apache-2.0
#include "engine/KeySet.h"

#include "digest/HexText.h"
#include "digest/HmacMd5.h"
#include "digest/SecureWipe.h"
#include "engine/BuiltInHmac.h"
#include "engine/BuiltInKeys.h"

#include <openssl/evp.h>

#include <cstring>

namespace {

std::vector<unsigned char> WithoutLeadingZeros(const std::vector<unsigned char>& number)
{
    size_t first = 0;
    while (first < number.size() && number[first] == 0)
        ++first;
    return std::vector<unsigned char>(number.begin() + static_cast<std::ptrdiff_t>(first), number.end());
}

void AddLengthAndBytes(EVP_MD_CTX* context, const unsigned char* bytes, size_t length)
{
    const unsigned char prefix[4] = {
        static_cast<unsigned char>(length >> 24), static_cast<unsigned char>(length >> 16),
        static_cast<unsigned char>(length >> 8), static_cast<unsigned char>(length)};
    EVP_DigestUpdate(context, prefix, sizeof prefix);
    EVP_DigestUpdate(context, bytes, length);
}

struct BuiltInSet
{
    KeySet set;
    BuiltInSet()
    {
        unsigned char hmac[kHmacKeyLength];
        AssembleHmacKey(hmac);
        const std::vector<unsigned char> key(hmac, hmac + sizeof hmac);
        SecureWipe(hmac, sizeof hmac);
        std::string error;
        std::vector<unsigned char> modulus;
        std::vector<unsigned char> exponent;
        ReadHexBytes(kRecorderModulusHex, &modulus);
        ReadHexBytes(kRecorderExponentHex, &exponent);
        MakeKeySet("Built-in", modulus, exponent, key, &set, &error);
        // The key itself is assembled again for each use; only the fingerprint keeps its trace.
        SecureWipe(set.hmacKey, sizeof set.hmacKey);
        set.builtInHmac = true;
    }
};

} // namespace

KeySet::~KeySet()
{
    SecureWipe(hmacKey, sizeof hmacKey);
    FreeRsaPublicKey(&publicKey);
}

std::string KeySetFingerprint(const unsigned char* modulus, size_t modulusLength,
                              const unsigned char* exponent, size_t exponentLength,
                              const unsigned char* hmacKey, size_t hmacKeyLength)
{
    static const char kLabel[] = "quorlith-key-set 1"; // with its terminating zero byte
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    const bool made = context && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1;
    if (made) {
        EVP_DigestUpdate(context, kLabel, sizeof kLabel);
        AddLengthAndBytes(context, modulus, modulusLength);
        AddLengthAndBytes(context, exponent, exponentLength);
        AddLengthAndBytes(context, hmacKey, hmacKeyLength);
    }
    const bool done = made && EVP_DigestFinal_ex(context, digest, &digestLength) == 1;
    EVP_MD_CTX_free(context);
    return done ? LowerHex(digest, digestLength) : std::string();
}

int MakeKeySet(const std::string& name, const std::vector<unsigned char>& modulus,
               const std::vector<unsigned char>& exponent, const std::vector<unsigned char>& hmacKey,
               KeySet* set, std::string* error)
{
    const std::vector<unsigned char> n = WithoutLeadingZeros(modulus);
    const std::vector<unsigned char> e = WithoutLeadingZeros(exponent);
    if (n.size() < kMinModulusBytes || n.size() > kMaxModulusBytes) {
        *error = "the modulus must be 16 to 1024 bytes long, not " + std::to_string(n.size());
        return -1;
    }
    if ((n.back() & 1) == 0) {
        *error = "the modulus is even, so it is no RSA modulus";
        return -1;
    }
    // An exponent of 1 would make every block its own plaintext, so anyone could write a watermark.
    if (e.empty() || (e.back() & 1) == 0 || (e.size() == 1 && e[0] == 1) || e.size() > n.size() ||
        (e.size() == n.size() && e >= n)) {
        *error = "the exponent must be odd, at least 3 and below the modulus";
        return -1;
    }
    if (hmacKey.empty() || hmacKey.size() > kMaxHmacKeyBytes) {
        *error = "the HMAC key must be 1 to 64 bytes long, not " + std::to_string(hmacKey.size());
        return -1;
    }
    if (ReadRsaPublicKeyBytes(n.data(), n.size(), e.data(), e.size(), &set->publicKey) != 0) {
        *error = "the crypto library does not take this modulus and exponent as an RSA public key";
        return -1;
    }
    set->name = name;
    set->exponent = e;
    std::memcpy(set->hmacKey, hmacKey.data(), hmacKey.size());
    set->hmacKeyLength = hmacKey.size();
    set->fingerprint =
        KeySetFingerprint(n.data(), n.size(), e.data(), e.size(), hmacKey.data(), hmacKey.size());
    return 0;
}

const KeySet& BuiltInKeySet()
{
    // Made once, under the lock C++ gives function-local statics, whichever thread comes first.
    static const BuiltInSet builtIn;
    return builtIn.set;
}

bool SamePublicKey(const KeySet& a, const KeySet& b)
{
    return a.publicKey.modulusBytes == b.publicKey.modulusBytes &&
           std::memcmp(a.publicKey.modulus, b.publicKey.modulus, a.publicKey.modulusBytes) == 0 &&
           a.exponent == b.exponent;
}

void KeyContentDigest(const KeySet& set, const unsigned char content[16], unsigned char mac[16])
{
    if (set.builtInHmac)
        HmacMd5WithBuiltInKey(content, 16, mac);
    else
        HmacMd5(set.hmacKey, set.hmacKeyLength, content, 16, mac);
}
