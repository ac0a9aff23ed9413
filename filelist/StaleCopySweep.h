// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_STALECOPYSWEEP_H
#define QUORLITH_FILELIST_STALECOPYSWEEP_H

#include <QString>

// Removes from folder the private copies that a process killed outright (SIGKILL, power loss) left
// behind: regular files of this user, named exactly as a private copy, whose owning process no
// longer runs here and which no one holds locked. Anything else stays: other names, copies of
// running processes (this one included), copies locked by their owner (a program on another
// machine or in a container that shares the folder), folders, and symbolic links, which are never
// followed. Answers how many it removed.
int RemoveStaleCopies(const QString& folder);

#endif
