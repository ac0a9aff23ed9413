// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_ENDREQUESTPIPE_H
#define QUORLITH_PLATFORM_ENDREQUESTPIPE_H

// SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in the terminal, logout) through a pipe, on POSIX systems: a
// signal handler may do next to nothing, so it only writes the signal's number to the pipe, whose read
// end an event loop watches. One pipe at a time.

// Makes the pipe, both ends non-blocking and not inherited, and catches the signals, keeping the
// handlers they had. The read end, or -1 when no pipe could be made (nothing is caught then).
int StartEndRequestPipe();

// Reads every byte waiting in the pipe, so that the read end is no longer ready.
void EmptyEndRequestPipe();

// Gives the signals back their earlier handlers and closes the pipe.
void StopEndRequestPipe();

#endif
