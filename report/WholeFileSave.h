// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_WHOLEFILESAVE_H
#define QUORLITH_REPORT_WHOLEFILESAVE_H

#include <QByteArray>
#include <QString>

#include <functional>

class DescriptorDevice;

// Writes a file whole or not at all: write fills the device and answers false, with *error set, when it
// fails; keepGoing, when set, may call the save off after the writing. The file is written under a
// temporary name beside path, flushed and synced to the disk, every step checked, and only then renamed
// to path: only a complete file replaces what stood there, and nothing is left behind otherwise. path is
// the name's bytes as the system takes them, whatever their encoding; errors are the system's own words.
bool SaveWhole(const QByteArray& path, QString* error, const std::function<bool(DescriptorDevice*, QString*)>& write,
               const std::function<bool()>& keepGoing = {});

// Whether a file can be created in the folder of path: creates a temporary one there and removes it at
// once. false with the system's words in error (the folder is missing, read-only, not a folder, ...).
bool CanCreateBeside(const QByteArray& path, QString* error);

// The system's words for an errno value, as Qt text.
QString SystemErrorString(int errorNumber);

#endif
