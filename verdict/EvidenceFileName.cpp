// SPDX-License-Identifier: Apache-2.0
#include "verdict/EvidenceFileName.h"

#include "engine/AsciiText.h"

bool IsEvidenceFileName(const std::string& name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return false;
    // Lowered as ASCII bytes, as the engine compares extensions: a Unicode fold would turn the
    // Kelvin sign into 'k', and the locale's would turn 'I' into a dotless i under tr_TR.
    const std::string suffix = AsciiLower(name.substr(dot + 1));
    return suffix == "mp4" || suffix == "mxg" || suffix == "avi" || suffix == "jpg";
}
