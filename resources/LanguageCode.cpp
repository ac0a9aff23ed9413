// SPDX-License-Identifier: Apache-2.0
#include "resources/LanguageCode.h"

namespace {

struct LocaleEntry
{
    const char* key;
    const char* code;
};

// Ordered ascending by key, so that the prefix pass meets a two-letter language key before the longer
// keys that extend it: "zh_HK" settles on "zh", not on "zh_CN" or "zh_TW".
// Qt names Norwegian "nb" or "nn" (it turns "no_NO" into "nb_NO"), and Hong Kong and Macau read
// Traditional Chinese: without their own keys these readers would get English and Simplified Chinese.
constexpr LocaleEntry localeTable[] = {
    {"cs", "csy"}, {"da", "dan"},    {"de", "ger"},    {"en", "enu"},    {"es", "spn"},
    {"fr", "fre"}, {"hu", "hun"},    {"it", "ita"},    {"ja", "jpn"},    {"ko", "krn"},
    {"nb", "nor"}, {"nl", "nld"},    {"nn", "nor"},    {"no", "nor"},    {"pl", "plk"},
    {"pt", "ptg"}, {"pt_BR", "ptb"}, {"ru", "rus"},    {"sv", "sve"},    {"tr", "trk"},
    {"zh", "chs"}, {"zh_CN", "chs"}, {"zh_HK", "cht"}, {"zh_MO", "cht"}, {"zh_TW", "cht"},
};

const char* const fallbackCode = "enu";

} // namespace

QString GetLanguageCode(const QString& localeName)
{
    for (const LocaleEntry& entry : localeTable) {
        if (localeName == QLatin1String(entry.key)) {
            return QString::fromLatin1(entry.code);
        }
    }
    for (const LocaleEntry& entry : localeTable) {
        if (localeName.startsWith(QLatin1String(entry.key))) {
            return QString::fromLatin1(entry.code);
        }
    }
    return QString::fromLatin1(fallbackCode);
}
