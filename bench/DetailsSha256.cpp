// SPDX-License-Identifier: Apache-2.0
// The window's details SHA-256 of one file, as the details window takes it (the file's state checked
// before and after the reading), printed as sha256sum prints it: for timing beside sha256sum.
#include "verdict/FileSnapshot.h"
#include "verdict/FileStateCheck.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: details_sha256 FILE\n");
        return 2;
    }
    VerificationResult result;
    result.path = argv[1];
    FileSnapshot verified;
    if (!verified.TakeOfPath(argv[1]))
        return 1;
    RecordVerifiedState(verified, &result);
    std::string digest;
    if (DigestAsVerified(result, &digest, {}) != FileState::AsVerified)
        return 1;
    std::printf("%s  %s\n", digest.c_str(), argv[1]);
    return 0;
}
