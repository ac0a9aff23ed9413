// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TOOLS_EVIDENCESTAMPER_H
#define QUORLITH_TOOLS_EVIDENCESTAMPER_H

// The recorder's side of the watermark format, for making test evidence. It computes the keyed
// content digest with OpenSSL and its own fold, independently of the engine, so that the tests
// compare two implementations rather than one with itself.

#include <cstddef>
#include <cstdint>
#include <string>

enum class MediaType
{
    Jpg, // block goes before the last two bytes
    Avi, // block appended
    Mp4, // MP4 and MXG: block appended
};

// The HMAC key of the test recorders, which the program builds in.
extern const char* const kTestHmacKey;

// The record's field values. An empty hmac is filled with the correct digest by StampEvidence.
struct StampRecord
{
    std::string marker = "Trevalon Digital Watermark";
    std::string version = "1.0";
    std::string hmac;
    std::string startTime = "2026-03-14 09:26:53";
    std::string endTime = "2026-03-14 09:31:07";
    std::string timeSource = "NTP";
    std::string rcSerial = "QR-4410-0042";
    std::string camMac = "00:1B:44:11:3A:B7";
    // Not a field: the HMAC key of the recorder family, which keys the digest (the test key set's by
    // default, the one the program has built in).
    std::string hmacKey = kTestHmacKey;
};

// By the extension, case-insensitive: jpg, avi, mp4, mxg. 0 on success, -1 otherwise.
int MediaTypeFromPath(const std::string& path, MediaType* type);

// The keyed content digest, as 32 lower-case hex digits, that the file at mediaPath will carry
// once stamped. mode 0 (version "1.0") or 1 (version "1.1"). 0 on success, -1 otherwise.
int ComputeEvidenceDigest(const std::string& mediaPath, MediaType type, int mode, std::string* hexDigest,
                          const std::string& hmacKey = kTestHmacKey);

// The version "1.1" XOR fold, written from the format rather than taken from the engine: every
// content byte is XORed into buffer[position % 64], and length counts the bytes modulo 2^32.
struct StampFold
{
    unsigned char buffer[64] = {};
    uint32_t length = 0;
};

void StampFoldUpdate(StampFold* fold, const unsigned char* data, size_t length);

// The fold's 16-byte digest: one MD5 compression from the initial state of buffer[0..idx) 0x80
// zeros, closed by LE32(length) LE32(length % 64) (two blocks when idx >= 56), idx = (length >> 3) % 64.
void StampFoldFinish(const StampFold& fold, unsigned char digest[16]);

// The record as the recorder writes it: the marker line, then the seven "Key: value" lines, CR LF each.
std::string BuildRecordText(const StampRecord& record);

// Seals recordText (at most 245 bytes) into a 512-byte block: PKCS #1 v1.5 type 2 padding with
// random nonzero bytes, the RSA private operation with the key in keyPemPath, random bytes 256..511.
int SealRecord(const std::string& keyPemPath, const std::string& recordText, unsigned char block[512]);

// Writes mediaPath with block laid in as the container wants it to outPath. 0 on success, -1 otherwise.
int WriteStampedFile(const std::string& mediaPath, MediaType type, const unsigned char block[512],
                     const std::string& outPath);

// All of the above: the digest for record.version ("1.1" folds, anything else hashes) unless
// record.hmac is set, the record text, the seal and the stamped copy. 0 on success, -1 otherwise.
int StampEvidence(const std::string& keyPemPath, const StampRecord& record, const std::string& mediaPath,
                  const std::string& outPath);

#endif
