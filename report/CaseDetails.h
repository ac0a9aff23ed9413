// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_CASEDETAILS_H
#define QUORLITH_REPORT_CASEDETAILS_H

#include <string>
#include <vector>

// What the examiner says about the case a report belongs to, as the bytes given: every text reaches the
// page only through the reversible escaping, so no control or bidirectional character shows raw.
struct CaseDetails
{
    std::string caseNumber;
    std::vector<std::string> exhibits;
    std::string examiner;
    std::string organisation;
    std::string note;

    bool IsEmpty() const
    {
        return caseNumber.empty() && exhibits.empty() && examiner.empty() && organisation.empty() &&
               note.empty();
    }
};

#endif
