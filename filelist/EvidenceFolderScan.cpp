// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceFolderScan.h"

#include "verdict/FolderSearch.h"

// The window needs no sizes: its progress counts files.
std::vector<VerificationTarget> ScanEvidenceFolder(const QByteArray& folder,
                                                   const std::function<bool()>& goOn,
                                                   std::vector<SkippedEntry>* skipped)
{
    std::vector<VerificationTarget> found;
    std::vector<SkippedEntry> notWanted;
    SearchFolder(folder.toStdString(), false, goOn, &found, skipped != nullptr ? skipped : &notWanted);
    return found;
}
