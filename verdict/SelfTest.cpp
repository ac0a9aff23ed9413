// SPDX-License-Identifier: Apache-2.0
#include "verdict/SelfTest.h"

#include "digest/DigestUpdate.h"
#include "digest/HexText.h"
#include "digest/HmacMd5.h"
#include "digest/Md5.h"
#include "engine/RsaPublicKey.h"

#include <cstring>
#include <vector>

namespace {

// A key made for this test alone, and a block whose e-th power modulo n was computed apart from the
// crypto library.
const char* const kModulus = "c36f16f80bf2967adb26e6eb4a31764ab273c6097a293da9cb388ea780876ede"
                             "09eb79f16b6ab5b1fb6850dfabf9decb0bfa604a0ebc11501d2009ef8edd98db"
                             "79be9c02e7d6bb32cf747e4a9a9addfa1afd263a1b6e054c80eafe770516bb20"
                             "300f6fcb1e484ab2631e5f682b7615b7caf83cb2ef7bf23b6badee55550868f9";
const char* const kBlock = "006b6e6f776e20616e73776572206f662074686520525341207075626c696320"
                           "6f7065726174696f6e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e"
                           "2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e"
                           "2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e2e";
const char* const kBlockToThePowerE = "81e5f0503140b4ec070b13f567d08f682eb95599ea64dc9af6da5ee3b1c03cfd"
                                      "890d5bf578cff1d9843ff813a599ea7ca8bf2e8489d34e2a2ab5bb2b10c5d33a"
                                      "d990cfdd588e7c6c9306182cfc8007aece7e03f39538d3d1a7f3ccaace67a116"
                                      "879199706f365a7b1d6669a35b53e44613e00c3ba1e06287001016ceeaaf25f9";

bool Md5Answers()
{
    Md5Context ctx;
    Md5Init(&ctx);
    Md5Update(&ctx, reinterpret_cast<const unsigned char*>("abc"), 3);
    unsigned char digest[16];
    Md5Final(&ctx, digest);
    return LowerHex(digest, 16) == "900150983cd24fb0d6963f7d28e17f72";
}

bool HmacMd5Answers()
{
    const char* const message = "what do ya want for nothing?";
    unsigned char mac[16];
    HmacMd5(reinterpret_cast<const unsigned char*>("Jefe"), 4,
            reinterpret_cast<const unsigned char*>(message), static_cast<uint32_t>(std::strlen(message)),
            mac);
    return LowerHex(mac, 16) == "750c783e6ab0b503eaa86e310a5db738";
}

bool FoldAnswers()
{
    unsigned char bytes[100];
    for (int i = 0; i < 100; ++i)
        bytes[i] = static_cast<unsigned char>(i);
    Md5Context ctx;
    Md5Init(&ctx);
    DigestUpdate(DigestModeFold, &ctx, bytes, 100);
    unsigned char digest[16];
    Md5Final(&ctx, digest);
    return LowerHex(digest, 16) == "eba6465d3e4968f59704bbff4a511b1f";
}

bool RsaAnswers()
{
    RsaPublicKey key;
    if (ReadRsaPublicKey(kModulus, "10001", &key) != 0)
        return false;
    std::vector<unsigned char> block;
    std::vector<unsigned char> out(key.modulusBytes);
    const bool answered = ReadHexBytes(kBlock, &block) && block.size() == key.modulusBytes &&
                          RsaPublicOperation(key, block.data(), out.data()) == 0 &&
                          LowerHex(out.data(), out.size()) == kBlockToThePowerE;
    FreeRsaPublicKey(&key);
    return answered;
}

} // namespace

SelfTestOutcome RunSelfTest()
{
    struct Check
    {
        bool (*answers)();
        const char* what;
    };
    const Check checks[] = {
        {Md5Answers, "MD5"},
        {HmacMd5Answers, "HMAC-MD5"},
        {FoldAnswers, "the version 1.1 fold"},
        {RsaAnswers, "the RSA public operation"},
    };
    SelfTestOutcome outcome;
    for (const Check& check : checks) {
        if (check.answers())
            continue;
        outcome.failed += (outcome.failed.empty() ? "" : "; ") + std::string(check.what);
    }
    outcome.passed = outcome.failed.empty();
    return outcome;
}
