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
    };

    std::string path; // the bytes of the path, below the folder as given
    Why why = Why::NotEvidence;
};

#endif
