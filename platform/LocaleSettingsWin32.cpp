// SPDX-License-Identifier: Apache-2.0
#include "platform/LocaleSettings.h"

#include <windows.h>

#include <clocale>

bool UserPrintsOnLetter()
{
    // The paper size comes as a number: 1 is Letter, 9 is A4.
    DWORD paper = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&paper), sizeof paper / sizeof(wchar_t)) == 0)
        return false;
    return paper == 1;
}

// The C library here has no message category: its error texts are English whatever the locale.
void KeepCMessagesAndNumbers()
{
    std::setlocale(LC_NUMERIC, "C");
}
