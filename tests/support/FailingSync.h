// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_FAILINGSYNC_H
#define QUORLITH_TESTS_SUPPORT_FAILINGSYNC_H

// Plays a disk that could not keep what was written to it: for as long as it lives, every fsync(2) of
// the process fails with error, as a late EIO or ENOSPC does. The test program's own fsync stands in
// front of the C library's and passes every call through while no FailingSync lives. Failures() counts
// the calls it failed, so that a test knows the failure was met.
class FailingSync
{
public:
    explicit FailingSync(int error);
    ~FailingSync();
    FailingSync(const FailingSync&) = delete;
    FailingSync& operator=(const FailingSync&) = delete;

    int Failures() const;
};

#endif
