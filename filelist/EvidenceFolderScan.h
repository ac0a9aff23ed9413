// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_EVIDENCEFOLDERSCAN_H
#define QUORLITH_FILELIST_EVIDENCEFOLDERSCAN_H

#include <QString>
#include <QStringList>

#include <functional>

// Whether a file name is taken by a folder scan: its complete suffix (everything after the first
// dot) is jpg, avi, mp4 or mxg in any case. So photo.JPG is taken, clip.2015.mp4 is not.
bool IsEvidenceFileName(const QString& fileName);

// Every evidence file below folder, at any depth, in the directory iterator's order; symbolic
// links are neither listed nor followed and hidden entries are skipped. afterEachEntry, when
// set, runs after every entry looked at, matching or not, and answers whether to go on; a scan
// stopped that way answers what it found until then.
QStringList ScanEvidenceFolder(const QString& folder, const std::function<bool()>& afterEachEntry = {});

#endif
