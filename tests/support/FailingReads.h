// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_FAILINGREADS_H
#define QUORLITH_TESTS_SUPPORT_FAILINGREADS_H

#include <QByteArray>

// Plays a disk that fails part-way through a file: for as long as it lives, pread(2) of the file at
// path, through any descriptor, succeeds `after` times and then fails with error every time. Other
// files are read as they are. The test program's own pread stands in front of the C library's. Set()
// says whether the file was found; Failures() counts the reads it failed.
class FailingReads
{
public:
    FailingReads(const QByteArray& path, int after, int error);
    ~FailingReads();
    FailingReads(const FailingReads&) = delete;
    FailingReads& operator=(const FailingReads&) = delete;

    bool Set() const { return set; }
    int Failures() const;

private:
    bool set = false;
};

#endif
