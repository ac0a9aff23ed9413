// SPDX-License-Identifier: Apache-2.0
#include "verdict/Sha256Reader.h"

#include "verdict/Sha256Stream.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

bool Sha256Reader::DigestFile(const std::string& path, std::string* hexDigest,
                              const std::function<bool(int64_t)>& keepGoing)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = Digest(fd, hexDigest, keepGoing);
    close(fd);
    return ok;
}

bool Sha256Reader::Digest(int fd, std::string* hexDigest, const std::function<bool(int64_t)>& keepGoing)
{
    std::vector<unsigned char> buffer(1 << 18);
    Sha256Stream sha256;
    bool ok = true;
    off_t offset = 0;
    while (ok) {
        const ssize_t got = pread(fd, buffer.data(), buffer.size(), offset);
        if (got < 0 && errno == EINTR)
            continue;
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
