// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_EVIDENCEFOLDERSCAN_H
#define QUORLITH_FILELIST_EVIDENCEFOLDERSCAN_H

#include <QByteArray>

#include "verdict/SkippedEntry.h"
#include "verdict/VerificationTarget.h"

#include <functional>
#include <vector>

// The window's folder search: the targets below folder, found as quorlith-verify finds them
// (verdict/FolderSearch.h), with paths as the bytes the system names them by, so a name that is not
// UTF-8 reaches the verification as it is and paths may pass PATH_MAX. Evidence files, and what
// could not be searched with its reason, at its place. goOn, when set, runs before each entry of a
// folder is taken, a file or a folder to go into, and answers whether to go on; a scan stopped that
// way answers what it found until then. skipped, when given, gets each entry below folder that
// was not taken, and why, in the order the scan came by them: hidden entries (a hidden folder is not
// searched), symbolic links and files whose names are no evidence type.
std::vector<VerificationTarget> ScanEvidenceFolder(const QByteArray& folder,
                                                   const std::function<bool()>& goOn = {},
                                                   std::vector<SkippedEntry>* skipped = nullptr);

#endif
