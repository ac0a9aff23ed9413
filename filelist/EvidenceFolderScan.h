// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_EVIDENCEFOLDERSCAN_H
#define QUORLITH_FILELIST_EVIDENCEFOLDERSCAN_H

#include <QByteArray>
#include <QList>

#include "report/SkippedEntry.h"

#include <functional>
#include <vector>

// Every evidence file (verdict/EvidenceFileName.h) below folder, at any depth, as the paths' bytes
// the system names them by, so a name that is not UTF-8 reaches the verification as it is and paths
// may pass PATH_MAX. Regular files only; symbolic links are neither listed nor followed and entries
// whose names start with a dot are skipped. Each folder's entries are taken in byte order of their
// names, a folder's content where the folder stands. afterEachEntry, when set, runs after every file
// looked at, matching or not, and answers whether to go on; a scan stopped that way answers what it
// found until then. skipped, when given, gets each entry below folder that was not taken, and why, in
// the order the scan came by them: hidden entries (a hidden folder is not searched), symbolic links and
// files whose names are no evidence type.
QList<QByteArray> ScanEvidenceFolder(const QByteArray& folder,
                                     const std::function<bool()>& afterEachEntry = {},
                                     std::vector<SkippedEntry>* skipped = nullptr);

#endif
