// SPDX-License-Identifier: Apache-2.0
#include "report/LeftOutList.h"

#include "verdict/VerdictText.h"

std::vector<LeftOutLine> LeftOutList::Lines(const std::vector<SkippedEntry>& skipped)
{
    std::vector<LeftOutLine> lines;
    lines.reserve(skipped.size());
    for (const SkippedEntry& entry : skipped)
        lines.push_back({VerdictText::DisplayPath(entry.path), Why(entry)});
    return lines;
}

QString LeftOutList::Why(const SkippedEntry& entry)
{
    switch (entry.why) {
    case SkippedEntry::Why::Hidden:
        if (entry.evidenceInside >= 0)
            return tr("a hidden folder, not searched: its name starts with a dot; %1 files below it have "
                      "an evidence type's name")
                .arg(entry.evidenceInside);
        return tr("hidden: its name starts with a dot");
    case SkippedEntry::Why::Link:
        return tr("a symbolic link, not followed");
    case SkippedEntry::Why::SearchedAlready:
        return tr("a folder given more than once or below another one given: its entries are taken once");
    case SkippedEntry::Why::GivenAgain:
        return tr("a file given more than once or also found in a folder given: verified and listed once");
    case SkippedEntry::Why::NotEvidence:
        break;
    }
    return tr("the name does not end in .jpg, .avi, .mp4 or .mxg");
}
