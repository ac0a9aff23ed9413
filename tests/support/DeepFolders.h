// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_DEEPFOLDERS_H
#define QUORLITH_TESTS_SUPPORT_DEEPFOLDERS_H

#include <QByteArray>

// Folders nested so deep that their paths pass PATH_MAX. The system refuses such paths in one call,
// so these are made and reached a level at a time (mkdirat, openat), and removed with rm -rf, which
// walks them the same way (QDir cannot remove them).
class DeepFolders
{
public:
    // Makes levels of 200-byte names below root (which must exist) until the bottom's path is at least
    // length bytes long; answers the bottom's path, empty on failure.
    static QByteArray Make(const QByteArray& root, int length);
    // A descriptor of the folder at path, of any length, for the *at calls; -1 on failure.
    static int Open(const QByteArray& path);
    // Moves the file at from, a short path, into folder under name.
    static bool MoveInto(const QByteArray& from, const QByteArray& folder, const QByteArray& name);
    // Removes path and everything below it; true when nothing is left.
    static bool Remove(const QByteArray& path);
};

#endif
