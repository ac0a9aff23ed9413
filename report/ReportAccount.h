// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTACCOUNT_H
#define QUORLITH_REPORT_REPORTACCOUNT_H

#include <string>
#include <vector>

// A file that was handed over for verification, by name or found by a folder search, but that a report
// does not hold, and why: a report claims to be complete only when there is none.
struct NotInReport
{
    enum class Why
    {
        Removed,     // its row was removed from the list by the examiner
        Cancelled,   // the run was cancelled before its turn
        Waiting,     // still waiting for its turn when the report was made
        Gone,        // nothing, or a folder, was found under its name when its turn came
        NotSelected, // in the list, but not among the rows chosen for the report
    };

    std::string path; // the bytes of the path, as the system names the file
    Why why = Why::Removed;
};

// What a report of the window's list says about what it was given: the folders searched, and every file
// handed over that the report does not hold.
struct ReportAccount
{
    std::vector<std::string> folders;
    std::vector<NotInReport> notInReport;
};

#endif
