// SPDX-License-Identifier: Apache-2.0
// Eight MD5 streams in the eight 32-bit lanes of AVX2 registers. Compiled with -mavx2 for this file
// alone, so the rest of the program keeps the baseline instruction set.
#include "digest/Md5LaneKernels.h"
#include "digest/Md5LaneRounds.h"

#include <immintrin.h>

namespace {

// Turns eight rows of eight words into eight columns: out[i] holds word i of every row.
void Transpose8(__m256i r[8])
{
    const __m256i t0 = _mm256_unpacklo_epi32(r[0], r[1]);
    const __m256i t1 = _mm256_unpackhi_epi32(r[0], r[1]);
    const __m256i t2 = _mm256_unpacklo_epi32(r[2], r[3]);
    const __m256i t3 = _mm256_unpackhi_epi32(r[2], r[3]);
    const __m256i t4 = _mm256_unpacklo_epi32(r[4], r[5]);
    const __m256i t5 = _mm256_unpackhi_epi32(r[4], r[5]);
    const __m256i t6 = _mm256_unpacklo_epi32(r[6], r[7]);
    const __m256i t7 = _mm256_unpackhi_epi32(r[6], r[7]);
    const __m256i u0 = _mm256_unpacklo_epi64(t0, t2);
    const __m256i u1 = _mm256_unpackhi_epi64(t0, t2);
    const __m256i u2 = _mm256_unpacklo_epi64(t1, t3);
    const __m256i u3 = _mm256_unpackhi_epi64(t1, t3);
    const __m256i u4 = _mm256_unpacklo_epi64(t4, t6);
    const __m256i u5 = _mm256_unpackhi_epi64(t4, t6);
    const __m256i u6 = _mm256_unpacklo_epi64(t5, t7);
    const __m256i u7 = _mm256_unpackhi_epi64(t5, t7);
    r[0] = _mm256_permute2x128_si256(u0, u4, 0x20);
    r[1] = _mm256_permute2x128_si256(u1, u5, 0x20);
    r[2] = _mm256_permute2x128_si256(u2, u6, 0x20);
    r[3] = _mm256_permute2x128_si256(u3, u7, 0x20);
    r[4] = _mm256_permute2x128_si256(u0, u4, 0x31);
    r[5] = _mm256_permute2x128_si256(u1, u5, 0x31);
    r[6] = _mm256_permute2x128_si256(u2, u6, 0x31);
    r[7] = _mm256_permute2x128_si256(u3, u7, 0x31);
}

} // namespace

#define LANE_F(x, y, z) _mm256_xor_si256((z), _mm256_and_si256((x), _mm256_xor_si256((y), (z))))
#define LANE_G(x, y, z) _mm256_xor_si256((y), _mm256_and_si256((z), _mm256_xor_si256((x), (y))))
#define LANE_H(x, y, z) _mm256_xor_si256(_mm256_xor_si256((x), (y)), (z))
// y ^ (x | ~z) is the complement of y ^ (z & ~x).
#define LANE_I(x, y, z) _mm256_xor_si256(_mm256_xor_si256((y), _mm256_andnot_si256((x), (z))), ones)
// The round function waits on the previous round, so it is added last, to a sum that is ready for it.
#define LANE_ROUND(f, a, b, c, d, k, s, t)                                                                   \
    {                                                                                                        \
        const __m256i sum = _mm256_add_epi32(                                                                \
            _mm256_add_epi32(                                                                                \
                a, _mm256_add_epi32(x[k], _mm256_set1_epi32(static_cast<int>(static_cast<uint32_t>(t))))),   \
            LANE_##f(b, c, d));                                                                              \
        a = _mm256_add_epi32(b, _mm256_or_si256(_mm256_slli_epi32(sum, s), _mm256_srli_epi32(sum, 32 - s))); \
    }

void Md5CompressLanes8(uint32_t state[4][8], const unsigned char* const blocks[8])
{
    __m256i x[16];
    __m256i high[8];
    for (int lane = 0; lane < 8; ++lane) {
        x[lane] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(blocks[lane]));
        high[lane] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(blocks[lane] + 32));
    }
    Transpose8(x);
    Transpose8(high);
    for (int i = 0; i < 8; ++i)
        x[8 + i] = high[i];

    const __m256i ones = _mm256_set1_epi32(-1);
    const __m256i a0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state[0]));
    const __m256i b0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state[1]));
    const __m256i c0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state[2]));
    const __m256i d0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(state[3]));
    __m256i a = a0, b = b0, c = c0, d = d0;
    QUORLITH_MD5_ROUNDS(LANE_ROUND)
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state[0]), _mm256_add_epi32(a, a0));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state[1]), _mm256_add_epi32(b, b0));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state[2]), _mm256_add_epi32(c, c0));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(state[3]), _mm256_add_epi32(d, d0));
}
