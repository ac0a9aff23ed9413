// SPDX-License-Identifier: Apache-2.0
#include "ui/AboutVersion.h"

#include <QStringList>

QString AboutVersion(const QString& version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() != 3)
        return version;
    for (const QString& part : parts) {
        if (part.isEmpty())
            return version;
        for (const QChar digit : part) {
            if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
                return version;
        }
    }
    return parts[0] + QLatin1Char('.') + parts[1] + QLatin1Char('-') +
           parts[2].rightJustified(3, QLatin1Char('0'));
}
