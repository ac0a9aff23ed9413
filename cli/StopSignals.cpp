// SPDX-License-Identifier: Apache-2.0
#include "cli/StopSignals.h"

#include "platform/StopRequests.h"

void StopSignals::Install()
{
    NoteStopRequests();
}

int StopSignals::Received()
{
    return FirstStopRequest();
}

const char* StopSignals::Name(int signal)
{
    return StopRequestName(signal);
}
