// SPDX-License-Identifier: Apache-2.0
#include "verdict/UnreadableWords.h"

namespace {

struct Opening
{
    UnreadableThing thing;
    const char* words;
};

const Opening kOpenings[] = {
    {UnreadableThing::File, "the file cannot be read: "},
    {UnreadableThing::Folder, "the folder cannot be read: "},
    {UnreadableThing::Entry, "the entry cannot be examined: "},
};

} // namespace

std::string UnreadableDetail(UnreadableThing thing, const std::string& systemWords)
{
    for (const Opening& opening : kOpenings) {
        if (opening.thing == thing)
            return opening.words + systemWords;
    }
    return systemWords;
}

bool SplitUnreadableDetail(const std::string& detail, UnreadableThing* thing, std::string* systemWords)
{
    for (const Opening& opening : kOpenings) {
        const std::string words = opening.words;
        if (detail.size() > words.size() && detail.compare(0, words.size(), words) == 0) {
            *thing = opening.thing;
            *systemWords = detail.substr(words.size());
            return true;
        }
    }
    return false;
}
