// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_ABOUTVERSION_H
#define QUORLITH_UI_ABOUTVERSION_H

#include <QString>

// The version as the About box has always named it: MAJOR.MINOR-PPP, the patch level in at least three
// digits ("1.1.15" is "1.1-015"). version is the project's MAJOR.MINOR.PATCH; anything else is given
// back as it is, so the box never names a version the program does not have.
QString AboutVersion(const QString& version);

#endif
