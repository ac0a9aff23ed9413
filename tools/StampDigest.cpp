// SPDX-License-Identifier: Apache-2.0
// The keyed content digest as the recorder computes it before it stamps a file. Written from the
// container formats with OpenSSL, sharing nothing with the engine, so that a stamped file verifying
// is evidence that both sides read the format the same way.
#include "tools/EvidenceStamper.h"

// The fold ends in one bare MD5 compression, which only OpenSSL's older MD5 interface offers.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/md5.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct FileCloser
{
    void operator()(FILE* file) const { fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool ReadAt(FILE* file, uint64_t offset, unsigned char* out, size_t length)
{
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0 && fread(out, 1, length, file) == length;
}

uint32_t BigEndian32(const unsigned char* bytes)
{
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}

uint32_t LittleEndian32(const unsigned char* bytes)
{
    return uint32_t(bytes[3]) << 24 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[1]) << 8 | bytes[0];
}

void PutLittleEndian32(uint32_t value, unsigned char* out)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

// The media data of an MP4 or MXG starts right after the header of the top-level "mdat" box. As the
// evidence format walks the boxes: a 64-bit size counts only for the length of that header, every
// other box is stepped over by its 32-bit size as stored, and offsets stay below 2^31. A box smaller
// than its own 8-byte header (0 runs to the end of the file, 1 announces a 64-bit size) or a walk
// that reaches 2^31 leads to no media data, however the bytes after it might be read.
int FindMdatContentStart(FILE* file, uint64_t* start)
{
    const uint64_t offsetLimit = 0x7fffffff;
    uint64_t offset = 0;
    for (;;) {
        unsigned char header[8];
        if (!ReadAt(file, offset, header, sizeof header))
            return -1;
        const uint32_t boxSize = BigEndian32(header);
        if (memcmp(header + 4, "mdat", 4) == 0) {
            const uint64_t contentStart = offset + (boxSize == 1 ? 16 : 8);
            if (contentStart > offsetLimit)
                return -1;
            *start = contentStart;
            return 0;
        }
        if (boxSize < 8 || offset + boxSize > offsetLimit)
            return -1;
        offset += boxSize;
    }
}

bool ReadRiffHeader(FILE* file, uint64_t offset, const char* id, const char* listType, uint32_t* size)
{
    unsigned char header[12];
    if (!ReadAt(file, offset, header, sizeof header) || memcmp(header, id, 4) != 0)
        return false;
    if (listType && memcmp(header + 8, listType, 4) != 0)
        return false;
    *size = LittleEndian32(header + 4);
    return true;
}

// RIFF "AVI ", LIST "hdrl", at most one "JUNK" chunk, then LIST "movi": the content starts after
// the "movi" list type. Chunk sizes are taken as stored, as the recorder does.
int FindMoviContentStart(FILE* file, uint64_t* start)
{
    uint32_t size = 0;
    if (!ReadRiffHeader(file, 0, "RIFF", "AVI ", &size) || !ReadRiffHeader(file, 12, "LIST", "hdrl", &size))
        return -1;
    uint64_t position = 20 + uint64_t(size);
    if (ReadRiffHeader(file, position, "JUNK", nullptr, &size))
        position += 8 + uint64_t(size);
    if (!ReadRiffHeader(file, position, "LIST", "movi", &size))
        return -1;
    *start = position + 12;
    return 0;
}

int FindContentStart(FILE* file, MediaType type, uint64_t* start)
{
    switch (type) {
    case MediaType::Jpg:
        *start = 0;
        return 0;
    case MediaType::Mp4:
        return FindMdatContentStart(file, start);
    case MediaType::Avi:
        return FindMoviContentStart(file, start);
    }
    return -1;
}

int DigestContent(FILE* file, uint64_t start, int mode, unsigned char inner[16])
{
    if (fseeko(file, static_cast<off_t>(start), SEEK_SET) != 0)
        return -1;
    EVP_MD_CTX* md5 = EVP_MD_CTX_new();
    if (!md5 || EVP_DigestInit_ex(md5, EVP_md5(), nullptr) != 1) {
        EVP_MD_CTX_free(md5);
        return -1;
    }
    StampFold fold;
    std::vector<unsigned char> piece(1 << 16);
    size_t got = 0;
    while ((got = fread(piece.data(), 1, piece.size(), file)) > 0) {
        if (mode == 0)
            EVP_DigestUpdate(md5, piece.data(), got);
        else
            StampFoldUpdate(&fold, piece.data(), got);
    }
    const bool readFailed = ferror(file) != 0;
    if (mode == 0)
        EVP_DigestFinal_ex(md5, inner, nullptr);
    else
        StampFoldFinish(fold, inner);
    EVP_MD_CTX_free(md5);
    return readFailed ? -1 : 0;
}

std::string ToLowerHex(const unsigned char* bytes, size_t length)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (size_t i = 0; i < length; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 0x0f];
    }
    return hex;
}

} // namespace

void StampFoldUpdate(StampFold* fold, const unsigned char* data, size_t length)
{
    const size_t position = fold->length % 64;
    for (size_t i = 0; i < length; ++i)
        fold->buffer[(position + i) % 64] ^= data[i];
    fold->length += static_cast<uint32_t>(length);
}

void StampFoldFinish(const StampFold& fold, unsigned char digest[16])
{
    // The recorder closes the fold with MD5's own finalisation, which reads the byte count as a
    // bit count: only the first (length >> 3) % 64 folded bytes survive the padding.
    const size_t index = (fold.length >> 3) % 64;
    unsigned char blocks[128] = {};
    memcpy(blocks, fold.buffer, index);
    blocks[index] = 0x80;
    const size_t blockCount = index < 56 ? 1 : 2;
    unsigned char* lengthField = blocks + 64 * blockCount - 8;
    PutLittleEndian32(fold.length, lengthField);
    PutLittleEndian32(fold.length % 64, lengthField + 4);

    MD5_CTX md5;
    MD5_Init(&md5);
    for (size_t block = 0; block < blockCount; ++block)
        MD5_Transform(&md5, blocks + 64 * block);
    PutLittleEndian32(md5.A, digest);
    PutLittleEndian32(md5.B, digest + 4);
    PutLittleEndian32(md5.C, digest + 8);
    PutLittleEndian32(md5.D, digest + 12);
}

const char* const kTestHmacKey = "TrevalonQuorlithHmac01";

int ComputeEvidenceDigest(const std::string& mediaPath, MediaType type, int mode, std::string* hexDigest,
                          const std::string& hmacKey)
{
    if (mode != 0 && mode != 1)
        return -1;
    File file(fopen(mediaPath.c_str(), "rb"));
    if (!file)
        return -1;
    uint64_t start = 0;
    unsigned char inner[16];
    if (FindContentStart(file.get(), type, &start) != 0 || DigestContent(file.get(), start, mode, inner) != 0)
        return -1;
    unsigned char keyed[16];
    if (hmacKey.empty() || hmacKey.size() > 64 ||
        !HMAC(EVP_md5(), hmacKey.data(), static_cast<int>(hmacKey.size()), inner, sizeof inner, keyed,
              nullptr))
        return -1;
    *hexDigest = ToLowerHex(keyed, sizeof keyed);
    return 0;
}
