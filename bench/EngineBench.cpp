// SPDX-License-Identifier: Apache-2.0
// Engine throughput: MD5 and the fold over memory, one trailer opening, and whole-file
// verification of a large stamped MP4 beside OpenSSL's MD5 over the same region, read the same way.
#include "digest/DigestUpdate.h"
#include "digest/Md5.h"
#include "engine/TrailerBlock.h"
#include "engine/WatermarkVerifier.h"
#include "tools/EvidenceStamper.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

const size_t kBufferSize = size_t(64) << 20;
const uint32_t kMdatPayload = uint32_t(256) << 20;
// The engine's read size, so that the yardstick pays the same file I/O.
const size_t kPieceSize = 1024;

struct StampedClip
{
    std::string path;
    int64_t contentStart = 0;
};

StampedClip gClips[2];
std::string gMediaPath;

std::vector<unsigned char> RandomBytes(size_t size)
{
    std::vector<unsigned char> bytes(size);
    std::mt19937_64 generator(2718281828);
    for (size_t i = 0; i + 8 <= size; i += 8) {
        const uint64_t word = generator();
        for (int b = 0; b < 8; ++b)
            bytes[i + b] = static_cast<unsigned char>(word >> (8 * b));
    }
    return bytes;
}

const std::vector<unsigned char>& Buffer()
{
    static const std::vector<unsigned char> buffer = RandomBytes(kBufferSize);
    return buffer;
}

bool CopyHead(FILE* from, FILE* to, size_t length)
{
    std::vector<unsigned char> head(length);
    return fread(head.data(), 1, length, from) == length && fwrite(head.data(), 1, length, to) == length;
}

// The fixture's "ftyp" and "moov" boxes (its first 948 bytes), then an "mdat" of random bytes.
bool WriteLargeMp4(const std::string& path)
{
    FILE* fixture = fopen(QUORLITH_TEST_DATA_DIR "/media/clip-faststart.mp4", "rb");
    FILE* out = fopen(path.c_str(), "wb");
    bool written = fixture && out && CopyHead(fixture, out, 948);
    const unsigned char header[8] = {static_cast<unsigned char>((kMdatPayload + 8) >> 24),
                                     static_cast<unsigned char>((kMdatPayload + 8) >> 16),
                                     static_cast<unsigned char>((kMdatPayload + 8) >> 8),
                                     static_cast<unsigned char>(kMdatPayload + 8),
                                     'm',
                                     'd',
                                     'a',
                                     't'};
    written = written && fwrite(header, 1, sizeof header, out) == sizeof header;
    const std::vector<unsigned char>& chunk = Buffer();
    for (uint32_t done = 0; written && done < kMdatPayload; done += kBufferSize)
        written = fwrite(chunk.data(), 1, kBufferSize, out) == kBufferSize;
    if (fixture)
        fclose(fixture);
    if (out)
        written = fclose(out) == 0 && written;
    return written;
}

bool PrepareClips()
{
    gMediaPath = "/tmp/quorlith-bench-" + std::to_string(getpid()) + ".mp4";
    if (!WriteLargeMp4(gMediaPath))
        return false;
    for (int mode = 0; mode < 2; ++mode) {
        StampRecord record;
        record.version = mode == 0 ? "1.0" : "1.1";
        gClips[mode].path = "/tmp/quorlith-bench-" + std::to_string(getpid()) + "-" + record.version + ".mp4";
        if (StampEvidence(QUORLITH_TEST_KEY, record, gMediaPath, gClips[mode].path) != 0)
            return false;
        WatermarkVerifier verifier;
        if (verifier.Verify(gClips[mode].path.c_str()) != 0)
            return false;
        gClips[mode].contentStart = verifier.GetContentRegion().start;
    }
    return true;
}

void RemoveClips()
{
    remove(gMediaPath.c_str());
    for (const StampedClip& clip : gClips)
        remove(clip.path.c_str());
}

void BM_Md5Update(benchmark::State& state)
{
    const std::vector<unsigned char>& buffer = Buffer();
    for (auto _ : state) {
        Md5Context context;
        Md5Init(&context);
        Md5Update(&context, buffer.data(), static_cast<uint32_t>(buffer.size()));
        unsigned char digest[16];
        Md5Final(&context, digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(buffer.size()));
}
BENCHMARK(BM_Md5Update)->Unit(benchmark::kMillisecond);

void BM_Fold(benchmark::State& state)
{
    const std::vector<unsigned char>& buffer = Buffer();
    for (auto _ : state) {
        Md5Context context;
        Md5Init(&context);
        DigestUpdate(DigestModeFold, &context, buffer.data(), static_cast<int32_t>(buffer.size()));
        unsigned char digest[16];
        Md5Final(&context, digest);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(buffer.size()));
}
BENCHMARK(BM_Fold)->Unit(benchmark::kMillisecond);

void BM_OpenTrailer(benchmark::State& state)
{
    unsigned char block[kTrailerBlockSize];
    FILE* file = fopen(gClips[0].path.c_str(), "rb");
    const bool read = file && fseek(file, -kTrailerBlockSize, SEEK_END) == 0 &&
                      fread(block, 1, sizeof block, file) == sizeof block;
    if (file)
        fclose(file);
    if (!read) {
        state.SkipWithError("stamped clip unreadable");
        return;
    }
    for (auto _ : state) {
        unsigned char plaintext[kMaxPlaintextSize];
        size_t length = 0;
        if (OpenTrailer(block, plaintext, &length) != 0)
            state.SkipWithError("trailer did not open");
        benchmark::DoNotOptimize(plaintext);
    }
}
BENCHMARK(BM_OpenTrailer)->Unit(benchmark::kMicrosecond);

// Whole Verify of the 256 MiB clip; bytes counted are the content region.
void BM_Verify(benchmark::State& state)
{
    const StampedClip& clip = gClips[state.range(0)];
    for (auto _ : state) {
        WatermarkVerifier verifier;
        if (verifier.Verify(clip.path.c_str()) != 0)
            state.SkipWithError("stamped clip did not verify");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMdatPayload));
}
BENCHMARK(BM_Verify)->ArgName("mode")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The yardstick: OpenSSL's MD5 over the same region, read with fopen, fseek and 1024-byte freads.
void BM_OpenSslMd5Region(benchmark::State& state)
{
    const StampedClip& clip = gClips[0];
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    for (auto _ : state) {
        FILE* file = fopen(clip.path.c_str(), "rb");
        if (!file || fseek(file, long(clip.contentStart), SEEK_SET) != 0) {
            state.SkipWithError("stamped clip unreadable");
            break;
        }
        EVP_DigestInit_ex(context, EVP_md5(), nullptr);
        unsigned char piece[kPieceSize];
        uint64_t left = kMdatPayload;
        while (left > 0) {
            const size_t want = left < kPieceSize ? size_t(left) : kPieceSize;
            const size_t got = fread(piece, 1, want, file);
            if (got == 0)
                break;
            EVP_DigestUpdate(context, piece, got);
            left -= got;
        }
        fclose(file);
        unsigned char digest[16];
        unsigned int length = 0;
        EVP_DigestFinal_ex(context, digest, &length);
        benchmark::DoNotOptimize(digest);
    }
    EVP_MD_CTX_free(context);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kMdatPayload));
}
BENCHMARK(BM_OpenSslMd5Region)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!PrepareClips()) {
        RemoveClips();
        fprintf(stderr, "engine_bench: could not make the stamped 256 MiB clips in /tmp\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    RemoveClips();
    return 0;
}
