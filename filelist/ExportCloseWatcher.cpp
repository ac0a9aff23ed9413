// SPDX-License-Identifier: Apache-2.0
#include "filelist/ExportCloseWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShortcut>
#include <QWidget>

#include <utility>

namespace {
bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}
} // namespace

ExportCloseWatcher::ExportCloseWatcher(QWidget* window, std::function<void()> onClose)
    : window(window), onClose(std::move(onClose))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool ExportCloseWatcher::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* widget = nullptr;
    if (auto* shortcut = qobject_cast<QShortcut*>(watched))
        widget = shortcut->parentWidget();
    else if (watched->isWidgetType())
        widget = static_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window)
        return false;
    if (event->type() == QEvent::Close && widget == window) {
        onClose();
        return false;
    }
    return IsInput(event->type());
}
