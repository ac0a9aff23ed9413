// SPDX-License-Identifier: Apache-2.0
#include "platform/HeadlessGui.h"

const char* HeadlessGuiPlugin()
{
    return "offscreen";
}
