// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_CASEDETAILS_H
#define QUORLITH_REPORT_CASEDETAILS_H

#include <string>
#include <utility>
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
    // Exhibits given as NAME=PATH: the files at or below PATH belong to the exhibit NAME, which also
    // stands in exhibits.
    std::vector<std::pair<std::string, std::string>> exhibitPaths;

    bool IsEmpty() const
    {
        return caseNumber.empty() && exhibits.empty() && examiner.empty() && organisation.empty() &&
               note.empty();
    }
};

#endif
