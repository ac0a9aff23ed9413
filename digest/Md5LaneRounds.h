// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_MD5LANEROUNDS_H
#define QUORLITH_DIGEST_MD5LANEROUNDS_H

// The 64 rounds of one MD5 block as a list, so that each lane kernel spells them out with its own
// instructions: ROUND(function, a, b, c, d, message word, rotation, constant).
#define QUORLITH_MD5_ROUNDS(ROUND)                                                                           \
    ROUND(F, a, b, c, d, 0, 7, 0xd76aa478)                                                                   \
    ROUND(F, d, a, b, c, 1, 12, 0xe8c7b756)                                                                  \
    ROUND(F, c, d, a, b, 2, 17, 0x242070db)                                                                  \
    ROUND(F, b, c, d, a, 3, 22, 0xc1bdceee)                                                                  \
    ROUND(F, a, b, c, d, 4, 7, 0xf57c0faf)                                                                   \
    ROUND(F, d, a, b, c, 5, 12, 0x4787c62a)                                                                  \
    ROUND(F, c, d, a, b, 6, 17, 0xa8304613)                                                                  \
    ROUND(F, b, c, d, a, 7, 22, 0xfd469501)                                                                  \
    ROUND(F, a, b, c, d, 8, 7, 0x698098d8)                                                                   \
    ROUND(F, d, a, b, c, 9, 12, 0x8b44f7af)                                                                  \
    ROUND(F, c, d, a, b, 10, 17, 0xffff5bb1)                                                                 \
    ROUND(F, b, c, d, a, 11, 22, 0x895cd7be)                                                                 \
    ROUND(F, a, b, c, d, 12, 7, 0x6b901122)                                                                  \
    ROUND(F, d, a, b, c, 13, 12, 0xfd987193)                                                                 \
    ROUND(F, c, d, a, b, 14, 17, 0xa679438e)                                                                 \
    ROUND(F, b, c, d, a, 15, 22, 0x49b40821)                                                                 \
    ROUND(G, a, b, c, d, 1, 5, 0xf61e2562)                                                                   \
    ROUND(G, d, a, b, c, 6, 9, 0xc040b340)                                                                   \
    ROUND(G, c, d, a, b, 11, 14, 0x265e5a51)                                                                 \
    ROUND(G, b, c, d, a, 0, 20, 0xe9b6c7aa)                                                                  \
    ROUND(G, a, b, c, d, 5, 5, 0xd62f105d)                                                                   \
    ROUND(G, d, a, b, c, 10, 9, 0x02441453)                                                                  \
    ROUND(G, c, d, a, b, 15, 14, 0xd8a1e681)                                                                 \
    ROUND(G, b, c, d, a, 4, 20, 0xe7d3fbc8)                                                                  \
    ROUND(G, a, b, c, d, 9, 5, 0x21e1cde6)                                                                   \
    ROUND(G, d, a, b, c, 14, 9, 0xc33707d6)                                                                  \
    ROUND(G, c, d, a, b, 3, 14, 0xf4d50d87)                                                                  \
    ROUND(G, b, c, d, a, 8, 20, 0x455a14ed)                                                                  \
    ROUND(G, a, b, c, d, 13, 5, 0xa9e3e905)                                                                  \
    ROUND(G, d, a, b, c, 2, 9, 0xfcefa3f8)                                                                   \
    ROUND(G, c, d, a, b, 7, 14, 0x676f02d9)                                                                  \
    ROUND(G, b, c, d, a, 12, 20, 0x8d2a4c8a)                                                                 \
    ROUND(H, a, b, c, d, 5, 4, 0xfffa3942)                                                                   \
    ROUND(H, d, a, b, c, 8, 11, 0x8771f681)                                                                  \
    ROUND(H, c, d, a, b, 11, 16, 0x6d9d6122)                                                                 \
    ROUND(H, b, c, d, a, 14, 23, 0xfde5380c)                                                                 \
    ROUND(H, a, b, c, d, 1, 4, 0xa4beea44)                                                                   \
    ROUND(H, d, a, b, c, 4, 11, 0x4bdecfa9)                                                                  \
    ROUND(H, c, d, a, b, 7, 16, 0xf6bb4b60)                                                                  \
    ROUND(H, b, c, d, a, 10, 23, 0xbebfbc70)                                                                 \
    ROUND(H, a, b, c, d, 13, 4, 0x289b7ec6)                                                                  \
    ROUND(H, d, a, b, c, 0, 11, 0xeaa127fa)                                                                  \
    ROUND(H, c, d, a, b, 3, 16, 0xd4ef3085)                                                                  \
    ROUND(H, b, c, d, a, 6, 23, 0x04881d05)                                                                  \
    ROUND(H, a, b, c, d, 9, 4, 0xd9d4d039)                                                                   \
    ROUND(H, d, a, b, c, 12, 11, 0xe6db99e5)                                                                 \
    ROUND(H, c, d, a, b, 15, 16, 0x1fa27cf8)                                                                 \
    ROUND(H, b, c, d, a, 2, 23, 0xc4ac5665)                                                                  \
    ROUND(I, a, b, c, d, 0, 6, 0xf4292244)                                                                   \
    ROUND(I, d, a, b, c, 7, 10, 0x432aff97)                                                                  \
    ROUND(I, c, d, a, b, 14, 15, 0xab9423a7)                                                                 \
    ROUND(I, b, c, d, a, 5, 21, 0xfc93a039)                                                                  \
    ROUND(I, a, b, c, d, 12, 6, 0x655b59c3)                                                                  \
    ROUND(I, d, a, b, c, 3, 10, 0x8f0ccc92)                                                                  \
    ROUND(I, c, d, a, b, 10, 15, 0xffeff47d)                                                                 \
    ROUND(I, b, c, d, a, 1, 21, 0x85845dd1)                                                                  \
    ROUND(I, a, b, c, d, 8, 6, 0x6fa87e4f)                                                                   \
    ROUND(I, d, a, b, c, 15, 10, 0xfe2ce6e0)                                                                 \
    ROUND(I, c, d, a, b, 6, 15, 0xa3014314)                                                                  \
    ROUND(I, b, c, d, a, 13, 21, 0x4e0811a1)                                                                 \
    ROUND(I, a, b, c, d, 4, 6, 0xf7537e82)                                                                   \
    ROUND(I, d, a, b, c, 11, 10, 0xbd3af235)                                                                 \
    ROUND(I, c, d, a, b, 2, 15, 0x2ad7d2bb)                                                                  \
    ROUND(I, b, c, d, a, 9, 21, 0xeb86d391)

#endif
