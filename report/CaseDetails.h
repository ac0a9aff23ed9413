// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_CASEDETAILS_H
#define QUORLITH_REPORT_CASEDETAILS_H

#include <cstddef>
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

    // The most each detail may hold, in bytes as given (a letter of most scripts takes two or three):
    // plenty for any case number, exhibit label or name, and few enough that every text of the report
    // stays within PDF/A-1's 65,535 bytes to a string and its page header within a few lines, however
    // the escaping writes each byte.
    static constexpr size_t kMaxTextBytes = 200; // case number, each exhibit, examiner, organisation
    static constexpr size_t kMaxNoteBytes = 2000;
    static constexpr size_t kMaxExhibits = 20;

    // The first detail beyond its bound as a one-line message naming the option
    // ("--examiner takes at most 200 bytes; 5100 were given"); empty when every detail is within.
    std::string OverLimit() const
    {
        const auto over = [](const char* option, const std::string& text, size_t most) {
            return text.size() <= most ? std::string()
                                       : std::string(option) + " takes at most " + std::to_string(most) +
                                             " bytes; " + std::to_string(text.size()) + " were given";
        };
        if (exhibits.size() > kMaxExhibits)
            return "--exhibit may be given at most " + std::to_string(kMaxExhibits) + " times; " +
                   std::to_string(exhibits.size()) + " were given";
        std::string problem = over("--case", caseNumber, kMaxTextBytes);
        for (const std::string& exhibit : exhibits) {
            if (problem.empty())
                problem = over("--exhibit", exhibit, kMaxTextBytes);
        }
        if (problem.empty())
            problem = over("--examiner", examiner, kMaxTextBytes);
        if (problem.empty())
            problem = over("--organisation", organisation, kMaxTextBytes);
        if (problem.empty())
            problem = over("--note", note, kMaxNoteBytes);
        return problem;
    }

    bool IsEmpty() const
    {
        return caseNumber.empty() && exhibits.empty() && examiner.empty() && organisation.empty() &&
               note.empty();
    }
};

#endif
