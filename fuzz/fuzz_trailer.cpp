// SPDX-License-Identifier: Apache-2.0
// Feeds arbitrary bytes to the watermark block opening and the record parser. With the built-in
// key almost every input stops at the RSA range check, so the block is also opened with a key
// whose exponent is 1: then the encoded block equals the input and the padding parser sees it.
#include "engine/TrailerBlock.h"
#include "engine/WatermarkRecord.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// 2048 bits, all ones: odd, top bit set, larger than every block except 256 bytes of 0xFF.
const std::string kTransparentModulus(512, 'F');

void ParsePlaintext(const unsigned char* plaintext, size_t length)
{
    const void* zero = memchr(plaintext, 0, length);
    const size_t textLength =
        zero ? static_cast<size_t>(static_cast<const unsigned char*>(zero) - plaintext) : length;
    WatermarkRecord record;
    ParseRecord(&record, std::string(reinterpret_cast<const char*>(plaintext), textLength));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    unsigned char block[kTrailerBlockSize] = {};
    memcpy(block, data, size < sizeof block ? size : sizeof block);
    unsigned char plaintext[kMaxPlaintextSize];
    size_t plaintextLength = 0;

    if (OpenTrailer(block, plaintext, &plaintextLength) == 0)
        ParsePlaintext(plaintext, plaintextLength);
    if (OpenTrailerWithKey(kTransparentModulus.c_str(), "01", block, plaintext, &plaintextLength) == 0)
        ParsePlaintext(plaintext, plaintextLength);

    const std::string text(reinterpret_cast<const char*>(data), size);
    WatermarkRecord record;
    ParseRecord(&record, text);
    // Keys taken from the input itself: its first line, searched for in the rest.
    const size_t lineEnd = text.find('\n');
    if (lineEnd != std::string::npos)
        FindValue(text.substr(lineEnd + 1), text.substr(0, lineEnd));
    return 0;
}
