// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_STOPSIGNALS_H
#define QUORLITH_CLI_STOPSIGNALS_H

// SIGINT, SIGTERM and SIGHUP ask a run to stop instead of ending the program wherever it stands, so
// that the output ends on a whole line: the handler only notes the signal and the run asks for it
// between files. A signal ignored when the program started (nohup, a shell's background job) stays
// ignored. SIGPIPE keeps its default: a closed pipe ends the program as it ends other tools.
class StopSignals
{
public:
    static void Install();

    // The first of the signals caught so far, 0 while none was. Safe from any thread.
    static int Received();

    // "SIGINT", "SIGTERM" or "SIGHUP"; "a signal" for any other.
    static const char* Name(int signal);
};

#endif
