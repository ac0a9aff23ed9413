// SPDX-License-Identifier: Apache-2.0
#include "verdict/SystemErrorDetail.h"

#include "platform/SystemError.h"

std::string SystemErrorDetail(int error)
{
    return "the system failed while the file was checked (" + SystemErrorText(error) +
           "); nothing is known about the file itself";
}
