// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_MD5LANEKERNELS_H
#define QUORLITH_DIGEST_MD5LANEKERNELS_H

#include <cstdint>

// One MD5 block for each of 8 or 16 independent streams at once: state[w][k] is word w (A to D) of
// lane k, blocks[k] the lane's next 64 bytes. Each is compiled for its instructions alone and may be
// called only on a processor that has them (Md5LaneWidthAvailable tells); builds that cannot target
// them (QUORLITH_MD5_LANE_KERNELS unset) have neither.
void Md5CompressLanes8(uint32_t state[4][8], const unsigned char* const blocks[8]);
void Md5CompressLanes16(uint32_t state[4][16], const unsigned char* const blocks[16]);

#endif
