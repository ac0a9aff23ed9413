// SPDX-License-Identifier: Apache-2.0
#include "verdict/Sha256Reader.h"

#include <mbedtls/sha256.h>

#include <cerrno>
#include <cstdio>
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
    mbedtls_sha256_context context;
    mbedtls_sha256_init(&context);
    bool ok = mbedtls_sha256_starts_ret(&context, 0) == 0;
    off_t offset = 0;
    while (ok) {
        const ssize_t got = pread(fd, buffer.data(), buffer.size(), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        ok = mbedtls_sha256_update_ret(&context, buffer.data(), static_cast<size_t>(got)) == 0;
        offset += got;
        if (ok && keepGoing)
            ok = keepGoing(offset);
    }
    unsigned char digest[32];
    ok = ok && mbedtls_sha256_finish_ret(&context, digest) == 0;
    mbedtls_sha256_free(&context);
    if (!ok)
        return false;
    hexDigest->clear();
    for (const unsigned char byte : digest) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        hexDigest->append(hex);
    }
    return true;
}
