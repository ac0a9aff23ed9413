// SPDX-License-Identifier: Apache-2.0
#include "filelist/UnshownNames.h"

#include "platform/FolderListing.h"
#include "ui/DrawableText.h"
#include "verdict/EvidenceFileName.h"
#include "verdict/TextEscaping.h"
#include "verdict/VerdictText.h"

#include <QFile>
#include <QSettings>
#include <QUrl>

#include <algorithm>

std::vector<std::string> UnshownNames::In(const QByteArray& folder)
{
    FileStatus status;
    std::vector<FolderEntry> entries;
    int listError = 0;
    std::vector<std::string> names;
    const auto noSize = [](const std::string&) { return false; };
    if (ListFolder(folder.constData(), true, noSize, &status, &entries, &listError) != 0)
        return names;
    for (const FolderEntry& entry : entries) {
        // The display form differs exactly where the dialog fails: bytes that are not UTF-8, control
        // characters, and characters that show nothing or reorder.
        if (entry.kind == FileKind::Regular && !entry.hidden && IsEvidenceFileName(entry.name) &&
            ToDisplayText(entry.name) != entry.name)
            names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray UnshownNames::LastDialogFolder()
{
    QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
    const QUrl folder(settings.value(QStringLiteral("FileDialog/lastVisited")).toString());
    return folder.isLocalFile() ? QFile::encodeName(folder.toLocalFile()) : QByteArray();
}

QString UnshownNames::Notice(const QByteArray& folder, const std::vector<std::string>& names)
{
    QString text = tr("The file dialog cannot show these files of the folder %1 as they are, or cannot give "
                      "them back, because their names hold bytes that are not UTF-8 text, line breaks or "
                      "characters that reorder the text:")
                       .arg(DrawableText::Of(VerdictText::Display(folder.toStdString())));
    const size_t shown = 20;
    for (size_t i = 0; i < names.size() && i < shown; ++i)
        text += QLatin1Char('\n') + DrawableText::Of(VerdictText::Display(names[i]));
    if (names.size() > shown)
        text += QLatin1Char('\n') + tr("... and %1 more.").arg(names.size() - shown);
    return text + QStringLiteral("\n\n") +
           tr("%1 adds them, and so does dragging them from a file manager onto the window.")
               .arg(QCoreApplication::translate("QObject", "Open Folder"));
}
