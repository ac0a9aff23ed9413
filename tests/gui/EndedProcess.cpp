// SPDX-License-Identifier: Apache-2.0
#include "EndedProcess.h"

#include <sys/wait.h>
#include <unistd.h>

pid_t EndedProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}
