// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_DIGEST_MD5LANEWIDTH_H
#define QUORLITH_DIGEST_MD5LANEWIDTH_H

// How many MD5 streams advance side by side: 16 with AVX-512 (F, BW and VL), 8 with AVX2, else 1,
// the one-stream MD5. Builds without the lane kernels (Windows among them) always answer 1.
const int kMd5MaxLanes = 16;

// The widest the processor and the build can do.
int Md5LaneWidthAvailable();

// The width asked for as text ("1", "8", "16") given what is available: the widest supported width
// not above the one asked for, capped at available; available when nothing or no number is asked.
int Md5LaneWidthFor(const char* asked, int available);

// The width the program uses: QUORLITH_MD5_LANES, which tests and benchmarks set to force a width,
// read with Md5LaneWidthFor once.
int Md5LaneWidth();

#endif
