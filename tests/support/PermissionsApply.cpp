// SPDX-License-Identifier: Apache-2.0
#include "tests/support/PermissionsApply.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const unsigned int kPastPermissions = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// The calling thread's capabilities; the first 32 are all this needs.
bool Get(__user_cap_data_struct data[2])
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &header, data) == 0;
}

bool Set(__user_cap_data_struct data[2])
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

PermissionsApply::PermissionsApply()
{
    __user_cap_data_struct data[2] = {};
    if (!Get(data))
        return;
    savedEffective = data[0].effective;
    if ((data[0].effective & kPastPermissions) == 0) {
        active = true;
        return;
    }
    data[0].effective &= ~kPastPermissions;
    lowered = active = Set(data);
}

PermissionsApply::~PermissionsApply()
{
    __user_cap_data_struct data[2] = {};
    if (lowered && Get(data)) {
        data[0].effective = savedEffective;
        Set(data);
    }
}
