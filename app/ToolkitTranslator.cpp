// SPDX-License-Identifier: Apache-2.0
#include "app/ToolkitTranslator.h"

#include <cstring>

namespace {

struct ToolkitLanguage
{
    const char* code;
    // Qt's names of the language, best first.
    const char* names[2];
};

// Debian has no Qt catalogue of Norwegian Bokmål; Nynorsk is closer to a Bokmål reader than English.
// Portuguese of Portugal has only an older catalogue without the Qt 5 dialog buttons, which Brazilian
// Portuguese then gives.
constexpr ToolkitLanguage languages[] = {
    {"chs", {"zh_CN"}}, {"cht", {"zh_TW"}}, {"csy", {"cs"}},
    {"dan", {"da"}},    {"fre", {"fr"}},    {"ger", {"de"}},
    {"hun", {"hu"}},    {"ita", {"it"}},    {"jpn", {"ja"}},
    {"krn", {"ko"}},    {"nld", {"nl"}},    {"nor", {"nb", "nn"}},
    {"plk", {"pl"}},    {"ptb", {"pt_BR"}}, {"ptg", {"pt_PT", "pt_BR"}},
    {"rus", {"ru"}},    {"spn", {"es"}},    {"sve", {"sv"}},
    {"trk", {"tr"}},
};

} // namespace

ToolkitTranslator::ToolkitTranslator(QObject* parent) : QTranslator(parent) {}

QStringList ToolkitTranslator::CatalogueNames(const QString& code)
{
    QStringList names;
    for (const ToolkitLanguage& language : languages) {
        if (code != QLatin1String(language.code))
            continue;
        for (const char* name : language.names) {
            if (name) {
                names << QStringLiteral("qtbase_") + QLatin1String(name)
                      << QStringLiteral("qt_") + QLatin1String(name);
            }
        }
    }
    return names;
}

bool ToolkitTranslator::Load(const QString& code, const QString& folder)
{
    for (const QString& name : CatalogueNames(code)) {
        auto catalogue = std::make_unique<QTranslator>();
        if (catalogue->load(name, folder))
            catalogues.push_back(std::move(catalogue));
    }
    return !catalogues.empty();
}

QString ToolkitTranslator::translate(const char* context, const char* sourceText, const char* disambiguation,
                                     int n) const
{
    if (context && std::strcmp(context, "QObject") == 0)
        return QString();
    for (const std::unique_ptr<QTranslator>& catalogue : catalogues) {
        const QString text = catalogue->translate(context, sourceText, disambiguation, n);
        if (!text.isEmpty())
            return text;
    }
    return QString();
}

bool ToolkitTranslator::isEmpty() const
{
    return catalogues.empty();
}
