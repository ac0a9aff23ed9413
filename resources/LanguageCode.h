// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_RESOURCES_LANGUAGECODE_H
#define QUORLITH_RESOURCES_LANGUAGECODE_H

#include <QString>

// Maps a system locale name as QLocale::name() gives it ("zh_TW", "de_AT", "fi_FI") to the three-letter
// code that names the translation catalogue and the help page of that language. Never empty: a language
// without a catalogue gets "enu".
QString GetLanguageCode(const QString& localeName);

#endif
