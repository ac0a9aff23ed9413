// SPDX-License-Identifier: Apache-2.0
#include "verdict/Sha256Reader.h"

#include "verdict/Sha256Stream.h"

#include "platform/ReadOnlyFile.h"

#include <vector>

bool Sha256Reader::DigestFile(const std::string& path, std::string* hexDigest,
                              const std::function<bool(int64_t)>& keepGoing)
{
    // The details window's digest reads the file again: it too leaves the access time alone where it may.
    bool accessTimeKept = false;
    const int fd = OpenEvidenceForReading(path.c_str(), &accessTimeKept);
    if (fd < 0)
        return false;
    const bool ok = Digest(fd, hexDigest, keepGoing);
    CloseFile(fd);
    return ok;
}

bool Sha256Reader::Digest(int fd, std::string* hexDigest, const std::function<bool(int64_t)>& keepGoing)
{
    std::vector<unsigned char> buffer(1 << 18);
    Sha256Stream sha256;
    bool ok = true;
    int64_t offset = 0;
    while (ok) {
        const int64_t got = ReadAt(fd, offset, buffer.data(), buffer.size());
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        ok = sha256.Update(buffer.data(), static_cast<size_t>(got));
        offset += got;
        if (ok && keepGoing)
            ok = keepGoing(offset);
    }
    return ok && sha256.Finish(hexDigest);
}
