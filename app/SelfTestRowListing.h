// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_SELFTESTROWLISTING_H
#define QUORLITH_APP_SELFTESTROWLISTING_H

class QWidget;

// A hook for the installed package's self-test, which has no other way to read the window: with
// QUORLITH_SELF_TEST_LIST_ROWS=1 in the environment, the program writes the result list's rows to
// standard output once the paths of its command line are verified, and quits. It reads the list
// only after the run has ended, so it cannot change a verdict.
bool IsSelfTestRowListingRequested();

// The rows as the list shows them, one line each, the cells separated by tabs, in UTF-8.
void PrintShownRows(const QWidget& window);

#endif
