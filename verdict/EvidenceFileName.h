// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_EVIDENCEFILENAME_H
#define QUORLITH_VERDICT_EVIDENCEFILENAME_H

#include <string>

// Whether a folder search takes a file of this name (bytes, no folder part): its last suffix
// (everything after the last dot) is jpg, avi, mp4 or mxg in any ASCII case, whatever the locale.
// That is the engine's own rule for the container type, so every file the engine can verify is
// found: photo.JPG, cam01.2026-03-14.jpg and clip.final.AVI are taken, photo.jpeg and clip.mp4.txt
// are not.
bool IsEvidenceFileName(const std::string& name);

#endif
