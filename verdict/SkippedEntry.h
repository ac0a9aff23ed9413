// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_SKIPPEDENTRY_H
#define QUORLITH_VERDICT_SKIPPEDENTRY_H

#include <string>

// An entry of a folder given that the folder search did not take, and why: a reader of the output
// sees that nothing was left out unseen.
struct SkippedEntry
{
    enum class Why
    {
        Hidden,      // its name starts with a dot; a hidden folder is not searched
        Link,        // a symbolic link, neither listed nor followed
        NotEvidence, // a file whose name does not end in an evidence type
        // A folder whose entries were taken once already: given twice, or below another folder given.
        SearchedAlready,
        // A file given by name that is taken once already: given twice, or found by a folder search.
        GivenAgain,
    };

    std::string path; // the bytes of the path, as given or below the folder as given
    Why why = Why::NotEvidence;
    // For a hidden folder: how many files below it a search would have taken, at any depth, hidden
    // folders below it included; -1 for every other entry.
    long long evidenceInside = -1;
};

#endif
