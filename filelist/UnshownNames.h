// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_UNSHOWNNAMES_H
#define QUORLITH_FILELIST_UNSHOWNNAMES_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <string>
#include <vector>

// Evidence files that Qt's file dialog cannot offer as they are: a name that is not UTF-8 is not
// listed at all, one with a line break or another control character is listed but never given back,
// and one with a character that shows nothing or reorders the text (a right-to-left override) is shown
// as another name. Open Folder and drag and drop take such files by the bytes of their names.
class UnshownNames
{
    Q_DECLARE_TR_FUNCTIONS(UnshownNames)

public:
    // The names of such evidence files directly in folder (bytes, no folder part), in byte order;
    // hidden entries are left out, as the dialog and Open Folder leave them out.
    static std::vector<std::string> In(const QByteArray& folder);

    // The folder the last file dialog showed when it closed, as Qt keeps it for the next dialog in the
    // user's settings; empty when none is kept. Read it before ForgetFileDialogFolders().
    static QByteArray LastDialogFolder();

    // What the window says of them, names escaped as everywhere, and what adds them instead.
    static QString Notice(const QByteArray& folder, const std::vector<std::string>& names);
};

#endif
