// SPDX-License-Identifier: Apache-2.0
#include "MessageBoxWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

MessageBoxWatcher::MessageBoxWatcher()
{
    connect(&poll, &QTimer::timeout, this, &MessageBoxWatcher::AnswerOpenBox);
    poll.start(5);
}

void MessageBoxWatcher::AnswerOpenBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    SeenBox entry;
    entry.title = box->windowTitle();
    entry.text = box->text();
    entry.buttons = box->standardButtons();
    entry.icon = box->icon();
    entry.hasParent = box->parentWidget() != nullptr;
    // The label shows the text, so its font is the one the user reads.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        entry.fontPointSize = label->font().pointSize();
    seen << entry;
    QAbstractButton* button = box->defaultButton();
    if (!button)
        button = box->buttons().value(0);
    if (button)
        button->click();
    else
        box->done(0);
}
