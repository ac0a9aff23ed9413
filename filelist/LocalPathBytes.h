// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_LOCALPATHBYTES_H
#define QUORLITH_FILELIST_LOCALPATHBYTES_H

#include <QByteArray>
#include <QList>
#include <QString>

// The bytes of the files a path from Qt names (a file dialog's answer, a dropped URL, an argument).
// Qt decodes file names as UTF-8 and puts U+FFFD for every byte that is not, so a name that is not
// UTF-8 comes back as a path no file has. Such a path is matched again, part by part, against the
// entries whose names Qt decodes alike: every one of them is answered, since the person who chose
// the path could not tell them apart. Any other path, a missing one included, is answered as Qt
// encodes it.
QList<QByteArray> LocalPathBytes(const QString& path);

// path made absolute against the working folder, without resolving links or "..", so that a row's
// details and reports name the file wherever the program runs later.
QByteArray AbsolutePathBytes(const QByteArray& path);

// The name of path's file without its folder, escaped as the verdict library shows names to people.
QString ShownFileName(const QByteArray& path);

#endif
