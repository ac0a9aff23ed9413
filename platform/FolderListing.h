// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_FOLDERLISTING_H
#define QUORLITH_PLATFORM_FOLDERLISTING_H

#include "platform/FileStatus.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One entry of a folder, as the listing tells it.
struct FolderEntry
{
    std::string name; // UTF-8 on Windows, the bytes on disk elsewhere
    FileKind kind = FileKind::Other;
    // Hidden: a name starting with a dot, or on Windows also the hidden attribute.
    bool hidden = false;
    // The size of a regular file whose size was asked for; 0 when it was not.
    int64_t size = 0;
    // An errno value when the entry could not be examined; kind then says nothing.
    int error = 0;
};

// What a folder holds, in no particular order, without "." and "..". The folder is opened once, its
// status taken from that open folder, and closed again before the call returns, so that a search holds
// nothing open while it goes down. A link at the end of path is followed only with followLink.
// sizeWanted, asked with the name of each regular file that is not hidden, says whose size to take,
// which spares looking at every other file. Answers 0, or -1 with errno when the folder cannot be
// opened or examined. When the listing breaks off, *listError holds why (0 otherwise) and the entries
// read until then are kept.
int ListFolder(const char* path, bool followLink, const std::function<bool(const std::string&)>& sizeWanted,
               FileStatus* folder, std::vector<FolderEntry>* entries, int* listError);

// The path of an entry of folder. The separator is '/', or on Windows a backslash when the folder was
// given with backslashes, so that the names keep the style they were given in; none is added after a
// folder that already ends in one.
std::string JoinPath(const std::string& folder, const std::string& name);

// Whether path ends in a separator, as a folder's name may: '/', or on Windows also a backslash.
bool EndsInPathSeparator(const std::string& path);

#endif
