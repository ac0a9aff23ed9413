// SPDX-License-Identifier: Apache-2.0
#include "report/LeftOutList.h"

#include "verdict/VerdictText.h"

#include <map>
#include <string>

namespace {

// The ending of the path's last name, from its last dot on, as the bytes stand (".txt"); empty for a
// name without a dot.
std::string Ending(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

} // namespace

std::vector<LeftOutLine> LeftOutList::Lines(const std::vector<SkippedEntry>& skipped)
{
    std::map<std::string, long long> perEnding;
    for (const SkippedEntry& entry : skipped) {
        if (entry.why == SkippedEntry::Why::NotEvidence)
            ++perEnding[Ending(entry.path)];
    }
    std::vector<LeftOutLine> lines;
    std::map<std::string, bool> counted;
    for (const SkippedEntry& entry : skipped) {
        LeftOutLine line;
        line.why = entry.why;
        const std::string ending = Ending(entry.path);
        if (entry.why != SkippedEntry::Why::NotEvidence || perEnding[ending] <= kListedPerEnding) {
            line.what = VerdictText::DisplayPath(entry.path);
            lines.push_back(line);
            continue;
        }
        if (counted[ending])
            continue;
        counted[ending] = true;
        line.count = perEnding[ending];
        line.what = ending.empty() ? tr("%1 entries without an ending").arg(line.count)
                                   : tr("%1 entries ending in %2")
                                         .arg(QString::number(line.count), VerdictText::Display(ending));
        lines.push_back(line);
    }
    return lines;
}

QString LeftOutList::Why(SkippedEntry::Why why)
{
    switch (why) {
    case SkippedEntry::Why::Hidden:
        return tr("hidden: its name starts with a dot");
    case SkippedEntry::Why::Link:
        return tr("a symbolic link, not followed");
    case SkippedEntry::Why::NotEvidence:
        break;
    }
    return tr("the name does not end in .jpg, .avi, .mp4 or .mxg");
}
