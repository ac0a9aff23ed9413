// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_UNREADABLEWORDS_H
#define QUORLITH_VERDICT_UNREADABLEWORDS_H

#include <string>

// What could not be read, named as what it is: the text output says "the folder cannot be read:
// Permission denied", and the window and the report say the same sentence, with the same system's
// words, in their language, so that a folder is never called a file.
enum class UnreadableThing
{
    File,
    Folder,
    Entry, // an entry of a folder that could not be looked at, whatever it is
};

// "the folder cannot be read: " followed by the system's words.
std::string UnreadableDetail(UnreadableThing thing, const std::string& systemWords);

// The thing a reason's detail names and the system's words after it; false for a detail of any
// other form.
bool SplitUnreadableDetail(const std::string& detail, UnreadableThing* thing, std::string* systemWords);

#endif
