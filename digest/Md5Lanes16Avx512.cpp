// SPDX-License-Identifier: Apache-2.0
// Sixteen MD5 streams in the sixteen 32-bit lanes of AVX-512 registers: a rotate and a three-input
// logic instruction make each round shorter than with AVX2. Compiled with the AVX-512 flags for this
// file alone, so the rest of the program keeps the baseline instruction set.
#include "digest/Md5LaneKernels.h"
#include "digest/Md5LaneRounds.h"

// GCC 12's AVX-512 intrinsics start some results from an undefined register and then warn about it
// in their own code wherever they are inlined.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop

namespace {

// Turns sixteen rows of sixteen words into sixteen columns: r[i] then holds word i of every row.
void Transpose16(__m512i r[16])
{
    __m512i t[16];
    for (int i = 0; i < 16; i += 2) {
        t[i] = _mm512_unpacklo_epi32(r[i], r[i + 1]);
        t[i + 1] = _mm512_unpackhi_epi32(r[i], r[i + 1]);
    }
    // u[4g + m] holds, in each 128-bit quarter q, word 4q + m of rows 4g to 4g + 3.
    __m512i u[16];
    for (int g = 0; g < 16; g += 4) {
        u[g] = _mm512_unpacklo_epi64(t[g], t[g + 2]);
        u[g + 1] = _mm512_unpackhi_epi64(t[g], t[g + 2]);
        u[g + 2] = _mm512_unpacklo_epi64(t[g + 1], t[g + 3]);
        u[g + 3] = _mm512_unpackhi_epi64(t[g + 1], t[g + 3]);
    }
    for (int m = 0; m < 4; ++m) {
        const __m512i evenLow = _mm512_shuffle_i32x4(u[m], u[4 + m], 0x88);
        const __m512i oddLow = _mm512_shuffle_i32x4(u[m], u[4 + m], 0xdd);
        const __m512i evenHigh = _mm512_shuffle_i32x4(u[8 + m], u[12 + m], 0x88);
        const __m512i oddHigh = _mm512_shuffle_i32x4(u[8 + m], u[12 + m], 0xdd);
        r[m] = _mm512_shuffle_i32x4(evenLow, evenHigh, 0x88);
        r[8 + m] = _mm512_shuffle_i32x4(evenLow, evenHigh, 0xdd);
        r[4 + m] = _mm512_shuffle_i32x4(oddLow, oddHigh, 0x88);
        r[12 + m] = _mm512_shuffle_i32x4(oddLow, oddHigh, 0xdd);
    }
}

} // namespace

// The truth tables of the round functions for vpternlogd (x, y, z as its three inputs).
#define LANE_F(x, y, z) _mm512_ternarylogic_epi32((x), (y), (z), 0xca)
#define LANE_G(x, y, z) _mm512_ternarylogic_epi32((z), (x), (y), 0xca)
#define LANE_H(x, y, z) _mm512_ternarylogic_epi32((x), (y), (z), 0x96)
#define LANE_I(x, y, z) _mm512_ternarylogic_epi32((x), (y), (z), 0x39)
// The round function waits on the previous round, so it is added last, to a sum that is ready for it.
#define LANE_ROUND(f, a, b, c, d, k, s, t)                                                                   \
    {                                                                                                        \
        const __m512i sum = _mm512_add_epi32(                                                                \
            _mm512_add_epi32(                                                                                \
                a, _mm512_add_epi32(x[k], _mm512_set1_epi32(static_cast<int>(static_cast<uint32_t>(t))))),   \
            LANE_##f(b, c, d));                                                                              \
        a = _mm512_add_epi32(b, _mm512_rol_epi32(sum, s));                                                   \
    }

void Md5CompressLanes16(uint32_t state[4][16], const unsigned char* const blocks[16])
{
    __m512i x[16];
    for (int lane = 0; lane < 16; ++lane)
        x[lane] = _mm512_loadu_si512(blocks[lane]);
    Transpose16(x);

    const __m512i a0 = _mm512_loadu_si512(state[0]);
    const __m512i b0 = _mm512_loadu_si512(state[1]);
    const __m512i c0 = _mm512_loadu_si512(state[2]);
    const __m512i d0 = _mm512_loadu_si512(state[3]);
    __m512i a = a0, b = b0, c = c0, d = d0;
    QUORLITH_MD5_ROUNDS(LANE_ROUND)
    _mm512_storeu_si512(state[0], _mm512_add_epi32(a, a0));
    _mm512_storeu_si512(state[1], _mm512_add_epi32(b, b0));
    _mm512_storeu_si512(state[2], _mm512_add_epi32(c, c0));
    _mm512_storeu_si512(state[3], _mm512_add_epi32(d, d0));
}
