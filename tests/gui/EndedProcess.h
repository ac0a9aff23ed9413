// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_GUI_ENDEDPROCESS_H
#define QUORLITH_TESTS_GUI_ENDEDPROCESS_H

#include <sys/types.h>

// The id of a process that has ended and been reaped, so it no longer runs: the owner of a private copy
// left behind by a program that was killed.
pid_t EndedProcess();

#endif
