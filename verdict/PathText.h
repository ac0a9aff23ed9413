// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_PATHTEXT_H
#define QUORLITH_VERDICT_PATHTEXT_H

#include "platform/PathStyle.h"

#include <string>

// Whether c separates names: / everywhere, \ on Windows too.
bool IsPathSeparator(char c, PathStyle style);

// Whether a path names its place without the working folder. POSIX: it starts with /. Windows: it
// starts with a separator (\\server\share, the extended-length \\?\C:\, the drive's root \...) or a
// drive letter and a colon (C:\; also C:name, which names the drive's own working folder that no
// other folder can stand in for).
bool IsRootedPath(const std::string& path, PathStyle style);

// path as seen from folder: path itself when it is rooted or folder is empty, else the two joined by
// one separator (/ on POSIX, \ on Windows).
std::string JoinedPath(const std::string& folder, const std::string& path, PathStyle style);

// The last name of a path, for a column of names: what follows the last separator. A separator at the
// very end stays with the name, so that a folder reads as one (clips/).
std::string LastPathName(const std::string& path, PathStyle style);

// The length of the folder part of path's first length bytes: up to and with the last separator
// among them, 0 when there is none.
size_t FolderPartLength(const std::string& path, size_t length, PathStyle style);

// The folder that holds path: everything before its last separator, and the root with its separator
// when that is all there is (/, C:\). Empty when path has no separator.
std::string ContainingFolder(const std::string& path, PathStyle style);

// A path for one line of output from which a reader takes back the exact bytes.
// POSIX: ToReversibleText(path), a backslash being a byte of a name.
// Windows: the separators \ and / as they are and each name as ToReversibleText; no name holds a
// backslash, so none is written as \\. Reading left to right, \xNN and \u{XXXX} are escapes as in
// ToReversibleText and every other \ is a separator. A name after a \ separator that starts as an
// escape would (x and two hex digits, or u{) has its first letter written as an escape, so that a
// folder named u{202E} reads C:\\x75{202E}\, never as a right-to-left override, and a folder named
// x41 reads \\x7841, never as A.
std::string ToReversiblePath(const std::string& path, PathStyle style);

#endif
