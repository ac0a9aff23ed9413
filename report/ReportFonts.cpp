// SPDX-License-Identifier: Apache-2.0
#include "report/ReportFonts.h"

#include <QLocale>

namespace {

// The Noto CJK region whose glyph forms readers of the locale's language expect.
QString CjkRegion()
{
    const QLocale locale;
    switch (locale.language()) {
    case QLocale::Japanese:
        return QStringLiteral("JP");
    case QLocale::Korean:
        return QStringLiteral("KR");
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalChineseScript || locale.country() == QLocale::Taiwan ||
                       locale.country() == QLocale::HongKong
                   ? QStringLiteral("TC")
                   : QStringLiteral("SC");
    default:
        return QStringLiteral("SC");
    }
}

} // namespace

QStringList ReportFamilies(ReportFace face)
{
    const QString region = CjkRegion();
    switch (face) {
    case ReportFace::Serif:
        return {QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK ") + region};
    case ReportFace::Mono:
        return {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono CJK ") + region};
    case ReportFace::Sans:
        break;
    }
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK ") + region};
}

QStringList AllReportFamilies()
{
    return ReportFamilies(ReportFace::Serif) + ReportFamilies(ReportFace::Sans) + ReportFamilies(ReportFace::Mono);
}
