// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_FILEREPLACEMENT_H
#define QUORLITH_PLATFORM_FILEREPLACEMENT_H

#include <string>

// The steps of replacing a file whole: a new file under a hidden temporary name beside the one it
// replaces, renamed over it once complete. Paths are the names' bytes as the system takes them. Every
// call that answers an int answers 0, or the errno of its failure.

// Creates a file named .NAME.XXXXXX beside path (the X replaced) for writing, not inherited by child
// processes; the descriptor, or -1 with *error set.
int CreateTemporaryBeside(const std::string& path, std::string* temporary, int* error);

// Gives the open file the permissions of the regular file at path, or those a new file gets when
// there is none.
int TakePermissionsOf(int descriptor, const std::string& path);

int CloseDescriptor(int descriptor);

// Removes the file at path, without a word when it fails.
void RemoveQuietly(const std::string& path);

// Renames from to to, replacing what stood there in one step.
int RenameOver(const std::string& from, const std::string& to);

// Syncs the folder of path, so that a rename in it is on the disk; a file system that cannot sync a
// folder loses nothing.
void SyncFolderOf(const std::string& path);

#endif
