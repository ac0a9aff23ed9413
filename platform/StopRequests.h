// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_STOPREQUESTS_H
#define QUORLITH_PLATFORM_STOPREQUESTS_H

// The requests to stop that reach a command-line program from outside, noted instead of ending it
// wherever it stands: SIGINT, SIGTERM and SIGHUP on POSIX systems, where a signal ignored when the
// program started (nohup, a shell's background job) stays ignored and SIGPIPE keeps its default; the
// console's Ctrl+C, Ctrl+Break and close (or the user's logoff, or shutdown) on Windows, noted as
// SIGINT, SIGBREAK and SIGTERM. Only the first request counts.
void NoteStopRequests();

// The signal number of the first request noted so far, 0 while none was. Safe from any thread.
int FirstStopRequest();

// How the system's users call the request a signal number stands for: "SIGINT", "SIGTERM", "SIGHUP"
// on POSIX systems, "Ctrl+C", "Ctrl+Break", "the closing of the console" on Windows; "a signal" for
// any other.
const char* StopRequestName(int signal);

#endif
