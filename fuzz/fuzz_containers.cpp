// SPDX-License-Identifier: Apache-2.0
// The container walks of AVI, MP4 and MXG files through the whole verifier, from a corpus of stamped
// files of the shapes recorders and common tools write. The first input byte picks the type by the
// file name, the rest is the file. Whatever the verdict, the file's SHA-256 is that of every byte of
// it; the coverage lists ranges inside the file, ascending and apart, with the watermark block among
// them and, for version 1.0, exactly the bytes it does not protect. When the file is authentic, a
// changed byte that the coverage calls protected must make it fail.
#include "verdict/FileVerifier.h"

#include <openssl/evp.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const int64_t kBlockSize = 512;

void Require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "container property failed: %s\n", what);
    abort();
}

// A private folder for the files in work, removed when the fuzzer exits.
struct WorkFolder
{
    std::string path;

    WorkFolder()
    {
        char folder[] = "/tmp/fuzz_containers.XXXXXX";
        if (!mkdtemp(folder))
            abort();
        path = folder;
    }
    ~WorkFolder() { rmdir(path.c_str()); }
};

void WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    Require(file != nullptr, "the work file opens");
    const bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    Require(fclose(file) == 0 && written, "the work file is written");
}

VerificationResult Verified(const std::string& path, const std::string& bytes)
{
    WriteFile(path, bytes);
    VerificationTarget target;
    target.path = path;
    const VerificationResult result = FileVerifier(true).Verify(target);
    unlink(path.c_str());
    return result;
}

std::string Sha256(const std::string& bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    Require(EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) == 1, "SHA-256");
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kHex[digest[i] >> 4];
        hex += kHex[digest[i] & 15];
    }
    return hex;
}

bool Unprotected(const Coverage& coverage, int64_t offset)
{
    for (const auto& range : coverage.unprotectedRanges) {
        if (offset >= range.first && offset <= range.second)
            return true;
    }
    return false;
}

// The ranges lie inside the file, ascending and apart; the last 512 bytes, the watermark block, are
// among them; the protected count fits in the rest. Answers the number of bytes outside the ranges.
int64_t CheckRanges(const Coverage& coverage, int64_t size)
{
    int64_t previousEnd = -2;
    int64_t outside = size;
    for (const auto& range : coverage.unprotectedRanges) {
        Require(range.first > previousEnd + 1 && range.first <= range.second && range.second < size,
                "ranges inside the file, ascending and apart");
        outside -= range.second - range.first + 1;
        previousEnd = range.second;
    }
    Require(Unprotected(coverage, size - kBlockSize) && Unprotected(coverage, size - 1),
            "the watermark block is unprotected");
    Require(coverage.protectedBytes >= 0 && coverage.protectedBytes <= outside, "protected bytes fit");
    return outside;
}

// A protected byte changed makes the file fail; the first and last bytes outside the ranges are
// content, and in version 1.0 every content byte counts.
void CheckProtectedBytes(const std::string& path, const std::string& file, const VerificationResult& result)
{
    std::vector<int64_t> offsets;
    for (int64_t offset = 0; offset < static_cast<int64_t>(file.size()); ++offset) {
        if (!Unprotected(result.coverage, offset)) {
            offsets.push_back(offset);
            break;
        }
    }
    if (result.digestMode == 0) {
        for (int64_t offset = static_cast<int64_t>(file.size()) - 1; offset >= 0; --offset) {
            if (!Unprotected(result.coverage, offset)) {
                offsets.push_back(offset);
                break;
            }
        }
    }
    for (const int64_t offset : offsets) {
        std::string changed = file;
        changed[static_cast<size_t>(offset)] ^= 0x20;
        Require(!Verified(path, changed).authentic, "a protected byte changed makes the file fail");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const WorkFolder folder;
    static const char* const names[] = {"/x.avi", "/x.mp4", "/x.mxg"};
    if (size == 0)
        return 0;
    const std::string path = folder.path + names[data[0] % 3];
    const std::string file(reinterpret_cast<const char*>(data + 1), size - 1);
    const VerificationResult result = Verified(path, file);

    Require(result.authentic == (result.reason == VerdictReason::None), "a reason for every failure");
    Require(result.file.size == static_cast<int64_t>(file.size()), "the size verified");
    Require(result.sha256 == Sha256(file), "the SHA-256 of every byte");
    if (!result.hasCoverage) {
        Require(!result.authentic, "an authentic file has its coverage");
        return 0;
    }
    const int64_t outside = CheckRanges(result.coverage, static_cast<int64_t>(file.size()));
    if (result.digestMode == 0)
        Require(result.coverage.protectedBytes == outside,
                "version 1.0 protects every byte it does not list");
    if (result.authentic && result.coverage.protectedBytes > 0)
        CheckProtectedBytes(path, file, result);
    return 0;
}
