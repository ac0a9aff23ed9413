// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_EVIDENCENAME_H
#define QUORLITH_VERDICT_EVIDENCENAME_H

#include <string>

// Whether a file name, as bytes, is taken by a folder search: its complete suffix (everything after
// the first dot) is jpg, avi, mp4 or mxg in any ASCII case. So photo.JPG is taken, clip.2015.mp4 is
// not. A dot never occurs inside a UTF-8 sequence, so the name's encoding does not matter.
bool IsEvidenceName(const std::string& fileName);

#endif
