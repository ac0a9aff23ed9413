// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_PERMISSIONSAPPLY_H
#define QUORLITH_TESTS_SUPPORT_PERMISSIONSAPPLY_H

// For as long as it lives, the calling thread, and every thread it starts meanwhile, is refused what
// permission bits refuse, also when the tests run as root (as in CI): root's capabilities to read and
// search past them are taken off the thread's effective set, and given back at the end. Active() says
// whether the bits apply now.
class PermissionsApply
{
public:
    PermissionsApply();
    ~PermissionsApply();
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;

    bool Active() const { return active; }

private:
    bool lowered = false;
    bool active = false;
    unsigned int savedEffective = 0;
};

#endif
