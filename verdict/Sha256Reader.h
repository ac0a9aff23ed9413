// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_SHA256READER_H
#define QUORLITH_VERDICT_SHA256READER_H

#include <cstdint>
#include <functional>
#include <string>

// SHA-256 of everything an open descriptor holds, read from offset 0 with a fixed buffer so that
// memory does not grow with the file. The descriptor's position is not used or moved.
class Sha256Reader
{
public:
    // Writes 64 lower-case hex digits to hexDigest; false when a read fails. keepGoing, when set, is
    // asked after every piece read, with the number of bytes read so far: its false stops the reading,
    // and Digest then answers false as for a failed read.
    static bool Digest(int fd, std::string* hexDigest, const std::function<bool(int64_t)>& keepGoing = {});

    // Of a file named by a UTF-8 path, opened read-only for the reading and closed again.
    static bool DigestFile(const std::string& path, std::string* hexDigest,
                           const std::function<bool(int64_t)>& keepGoing = {});
};

#endif
