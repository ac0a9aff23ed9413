// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_CLI_DESCRIPTORBUDGET_H
#define QUORLITH_CLI_DESCRIPTORBUDGET_H

// How many files can be verified at once without running out of file descriptors: the soft limit is
// raised to the hard one first, then what is already open and a reserve for the program's own files
// (output, report, fonts) are set aside. Never more than requested, never fewer than one.
int JobsWithinDescriptorLimit(int requested);

#endif
