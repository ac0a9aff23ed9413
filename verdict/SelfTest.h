// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_SELFTEST_H
#define QUORLITH_VERDICT_SELFTEST_H

#include <string>

// The tool's validation before a report: each computation a verdict rests on gives the published or
// independently computed answer for a fixed input. MD5 (RFC 1321 "abc"), HMAC-MD5 (RFC 2202, test
// case 2), the version 1.1 fold closed by the MD5 finalisation (the recorders' reference vector of the
// bytes 0 to 99) and the RSA public operation (a fixed 1024-bit key and block).
struct SelfTestOutcome
{
    bool passed = false;
    // The computations that did not give their answer, in words, "; " between them; empty when all did.
    std::string failed;
};

SelfTestOutcome RunSelfTest();

#endif
