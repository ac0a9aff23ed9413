// SPDX-License-Identifier: Apache-2.0
#include "verdict/CoverageJson.h"

#include "verdict/TextEscaping.h"

std::string CoverageJson(const Coverage& coverage)
{
    std::string json =
        "{\"protected_bytes\":" + std::to_string(coverage.protectedBytes) + ",\"unprotected_ranges\":[";
    for (size_t i = 0; i < coverage.unprotectedRanges.size(); ++i) {
        if (i > 0)
            json += ',';
        json += '[' + std::to_string(coverage.unprotectedRanges[i].first) + ',' +
                std::to_string(coverage.unprotectedRanges[i].second) + ']';
    }
    json += "],\"notes\":[";
    for (size_t i = 0; i < coverage.notes.size(); ++i) {
        if (i > 0)
            json += ',';
        json += JsonString(CoverageNoteText(coverage.notes[i]));
    }
    json += "]}";
    return json;
}
