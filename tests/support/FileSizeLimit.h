// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_FILESIZELIMIT_H
#define QUORLITH_TESTS_SUPPORT_FILESIZELIMIT_H

#include <csignal>
#include <sys/resource.h>

// Plays a full disk for as long as it lives: the process's file size limit is lowered to bytes and
// SIGXFSZ ignored, so that a write past the limit fails with EFBIG instead of ending the process. The
// limit and the signal's handling are given back at the end. Set() says whether the limit took.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Set() const { return set; }

private:
    rlimit before = {};
    void (*oldHandler)(int) = SIG_DFL;
    bool saved = false;
    bool set = false;
};

#endif
