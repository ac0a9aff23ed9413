// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_CONSOLEENDREQUESTS_H
#define QUORLITH_PLATFORM_CONSOLEENDREQUESTS_H

// The console's Ctrl+C, Ctrl+Break and close (or logoff, or shutdown) on Windows, for a window program
// started with a console. Windows calls request on a thread of its own, so it may only hand the request
// to the program's own thread. The process ends as soon as the system's handler returns from a close,
// logoff or shutdown: the handler waits there, while the program finishes what it must, until the
// program ends or the system's grace period is over. One watch at a time.

// False when the system would not take the handler; request is then never called.
bool StartConsoleEndRequests(void (*request)());

void StopConsoleEndRequests();

#endif
