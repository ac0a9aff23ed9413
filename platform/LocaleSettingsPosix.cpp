// SPDX-License-Identifier: Apache-2.0
#include "platform/LocaleSettings.h"

#include <clocale>
#include <cstdint>
#include <langinfo.h>
#include <locale.h>

bool UserPrintsOnLetter()
{
    // The environment's locale, not the program's current one, which is "C" until something calls
    // setlocale. Letter is 216 mm wide.
    const locale_t paper = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
    if (paper == static_cast<locale_t>(nullptr))
        return false;
    // The width is a 32-bit word in the slot of a pointer: the rest of the slot is not set, so only the
    // word is compared.
    const bool letter =
        static_cast<uint32_t>(reinterpret_cast<uintptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, paper))) == 216;
    freelocale(paper);
    return letter;
}

void KeepCMessagesAndNumbers()
{
    std::setlocale(LC_MESSAGES, "C");
    std::setlocale(LC_NUMERIC, "C");
}
