// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_EXITSTATUS_H
#define QUORLITH_CLI_EXITSTATUS_H

// What quorlith-verify's exit status tells a script. When more than one applies, a signal's status wins,
// then kIncomplete, then kNotAuthentic: a run that did not finish says nothing about the files it left.
enum ExitStatus
{
    kAllAuthentic = 0,
    // A file is not authentic, or a path does not exist or holds no evidence file.
    kNotAuthentic = 1,
    kUsageError = 2,
    // The output or the PDF report could not be written, the system failed while a file was checked,
    // or another program held a file locked: some evidence was not judged.
    kIncomplete = 3,
};

// A run stopped by a signal ends with the status a shell gives a program that signal killed.
inline int SignalExitStatus(int signal)
{
    return 128 + signal;
}

#endif
