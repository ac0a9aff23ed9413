// SPDX-License-Identifier: Apache-2.0
#include "filelist/FileDialogHistory.h"

#include <QSettings>

void ForgetFileDialogFolders()
{
    QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
    settings.beginGroup(QStringLiteral("FileDialog"));
    settings.remove(QStringLiteral("history"));
    settings.remove(QStringLiteral("lastVisited"));
}
