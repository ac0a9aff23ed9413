// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_RESULTROLE_H
#define QUORLITH_FILELIST_RESULTROLE_H

#include "verdict/VerificationResult.h"

#include <QMetaType>
#include <Qt>

// Each row of the result list keeps its file's whole result in the item of its first column under this
// role, so that sorting and removal keep a row and its result together.
constexpr int kResultRole = Qt::UserRole + 1;

Q_DECLARE_METATYPE(VerificationResult)

#endif
