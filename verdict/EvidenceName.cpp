// SPDX-License-Identifier: Apache-2.0
#include "verdict/EvidenceName.h"

#include "engine/AsciiText.h"

bool IsEvidenceName(const std::string& fileName)
{
    const size_t dot = fileName.find('.');
    if (dot == std::string::npos)
        return false;
    // Lowered as ASCII bytes, as the engine compares extensions: Unicode rules would make the Kelvin
    // sign a 'k', which the engine does not.
    const std::string suffix = AsciiLower(fileName.substr(dot + 1));
    return suffix == "mp4" || suffix == "mxg" || suffix == "avi" || suffix == "jpg";
}
