// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_LOCALESETTINGS_H
#define QUORLITH_PLATFORM_LOCALESETTINGS_H

// Whether the user's settings print on Letter paper rather than A4: the paper setting of the
// environment's locale (LC_PAPER) on POSIX systems, the user's paper size on Windows. Not the
// language's country (en_CA and es_MX print on Letter), and not Qt's measurement system, which knows
// only the US.
bool UserPrintsOnLetter();

// Once a library has handed the user's locale to the C library (Qt's application objects do), puts
// back the C locale's messages and numbers, so that system error texts stay English and numbers keep
// their decimal point. Character handling keeps the user's locale, which file name encoding relies on.
void KeepCMessagesAndNumbers();

#endif
