// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_WHOLEFILESAVE_H
#define QUORLITH_REPORT_WHOLEFILESAVE_H

#include <QString>

#include <functional>

class QFileDevice;

// Writes a file whole or not at all: write fills the device and answers false, with *error set, when it
// fails; keepGoing, when set, may call the save off after the writing. Only a complete file replaces what
// stood under path, and nothing is left behind otherwise.
bool SaveWhole(const QString& path, QString* error, const std::function<bool(QFileDevice*, QString*)>& write,
               const std::function<bool()>& keepGoing = {});

#endif
