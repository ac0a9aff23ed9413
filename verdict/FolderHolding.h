// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_VERDICT_FOLDERHOLDING_H
#define QUORLITH_VERDICT_FOLDERHOLDING_H

#include <string>
#include <vector>

// The path among givenPaths that is a folder holding path at any depth, as the system tells folders
// apart, so that a link to it or another spelling of it counts too; empty when none does. A report
// written there is found by the next verification of that folder.
std::string GivenFolderHolding(const std::string& path, const std::vector<std::string>& givenPaths);

#endif
