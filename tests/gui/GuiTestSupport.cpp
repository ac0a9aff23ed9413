// SPDX-License-Identifier: Apache-2.0
#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "ui/CaseDetailsDialog.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTreeView>

void UseTemporarySettings(const QTemporaryDir& dir)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
}

void AnswerNextFileDialog(const QStringList& paths, SeenFileDialog* seen)
{
    QMetaObject::invokeMethod(
        qApp,
        [paths, seen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                AnswerNextFileDialog(paths, seen);
                return;
            }
            if (seen) {
                seen->title = dialog->windowTitle();
                seen->nameFilters = dialog->nameFilters();
            }
            if (paths.isEmpty()) {
                dialog->reject();
                return;
            }
            QStringList quoted;
            for (const QString& path : paths)
                quoted << QLatin1Char('"') + path + QLatin1Char('"');
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(paths.size() == 1 ? paths.first() : quoted.join(QLatin1Char(' ')));
            QMetaObject::invokeMethod(dialog, "accept");
        },
        Qt::QueuedConnection);
}

void AnswerNextCaseForm(const CaseForm& typed, FormButton button, CaseForm* shown)
{
    QMetaObject::invokeMethod(
        qApp,
        [typed, button, shown] {
            auto* form = qobject_cast<CaseDetailsDialog*>(QApplication::activeModalWidget());
            if (!form) {
                AnswerNextCaseForm(typed, button, shown);
                return;
            }
            const auto line = [form](const char* name) { return form->findChild<QLineEdit*>(name); };
            auto* exhibits = form->findChild<QPlainTextEdit*>("exhibits");
            if (shown) {
                *shown =
                    CaseForm{line("caseNumber")->text(), exhibits->toPlainText(), line("examiner")->text(),
                             line("organisation")->text(), line("note")->text()};
            }
            line("caseNumber")->setText(typed.caseNumber);
            exhibits->setPlainText(typed.exhibits);
            line("examiner")->setText(typed.examiner);
            line("organisation")->setText(typed.organisation);
            line("note")->setText(typed.note);
            auto* buttons = form->findChild<QDialogButtonBox*>();
            buttons->button(button == FormButton::Continue ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                ->click();
        },
        Qt::QueuedConnection);
}

QMap<QString, EntrySnapshot> SnapshotFolder(const QString& folder)
{
    QMap<QString, EntrySnapshot> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        EntrySnapshot entry;
        QFile file(path);
        if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly))
            entry.checksum = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        entry.modified = it.fileInfo().lastModified();
        entries.insert(QDir(folder).relativeFilePath(path), entry);
    }
    return entries;
}

bool WindowTestFolders::Enter()
{
    start = QDir::currentPath();
    work.reset(new QTemporaryDir);
    user.reset(new QTemporaryDir);
    return work->isValid() && user->isValid() && QDir::setCurrent(work->path());
}

void WindowTestFolders::Leave()
{
    QDir::setCurrent(start);
}

QString StatusLine(int total, int succeeded, int failed)
{
    return QStringLiteral("Total files: %1  Authentication succeeded: %2  Authentication failed: %3")
        .arg(total)
        .arg(succeeded)
        .arg(failed);
}

QStringList VerifiedOrder(const MainWindow& window)
{
    const auto* shown = qobject_cast<const QSortFilterProxyModel*>(window.findChild<QTreeView*>()->model());
    const QAbstractItemModel* rows = shown->sourceModel();
    QStringList names;
    for (int row = rows->rowCount() - 1; row >= 0; --row)
        names << rows->index(row, 0).data().toString();
    return names;
}
