// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_EVIDENCEFILENAME_H
#define QUORLITH_VERDICT_EVIDENCEFILENAME_H

#include <string>

// Whether a folder search takes a file of this name (bytes, no folder part): its complete suffix
// (everything after the first dot) is jpg, avi, mp4 or mxg in any ASCII case, whatever the locale.
// So photo.JPG is taken, clip.2015.mp4 is not.
bool IsEvidenceFileName(const std::string& name);

#endif
