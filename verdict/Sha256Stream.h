// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_SHA256STREAM_H
#define QUORLITH_VERDICT_SHA256STREAM_H

#include <cstddef>
#include <string>

typedef struct evp_md_ctx_st EVP_MD_CTX;

// A running SHA-256 (OpenSSL's, which uses the processor's SHA instructions where there are some),
// fed piece by piece and finished into 64 lower-case hexadecimal digits.
class Sha256Stream
{
public:
    Sha256Stream();
    ~Sha256Stream();
    Sha256Stream(const Sha256Stream&) = delete;
    Sha256Stream& operator=(const Sha256Stream&) = delete;

    // False once the crypto library failed; the stream then stays failed.
    bool Update(const unsigned char* data, size_t length);
    // Writes the digest of everything fed; false when the library failed on the way. Ends the stream.
    bool Finish(std::string* hexDigest);

private:
    EVP_MD_CTX* context;
    bool ok;
};

#endif
