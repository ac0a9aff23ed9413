// SPDX-License-Identifier: Apache-2.0
#include "platform/PathStyle.h"

PathStyle NativePathStyle()
{
    return PathStyle::Posix;
}
