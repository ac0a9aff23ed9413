#ifndef QUORLITH_VERDICT_SHA256READER_H
#define QUORLITH_VERDICT_SHA256READER_H

#include <string>

// SHA-256 of everything an open descriptor holds, read from offset 0 with a fixed buffer so that
// memory does not grow with the file. The descriptor's position is not used or moved.
class Sha256Reader
{
public:
    // Writes 64 lower-case hex digits to hexDigest; false when a read fails.
    static bool Digest(int fd, std::string* hexDigest);
};

#endif
