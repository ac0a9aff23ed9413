// SPDX-License-Identifier: Apache-2.0
#include "filelist/EvidenceDropFilter.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

EvidenceDropFilter::EvidenceDropFilter(QWidget* window, const QList<QWidget*>& targets) : QObject(window)
{
    Watch(window);
    for (QWidget* target : targets)
        Watch(target);
}

QStringList EvidenceDropFilter::LocalPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

// Every drag event on a watched widget ends here, so that no widget below takes a drag that was
// refused.
bool EvidenceDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        AcceptAsCopy(static_cast<QDropEvent*>(event));
        return true;
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (AcceptAsCopy(drop)) {
            const QStringList paths = LocalPaths(drop->mimeData());
            QMetaObject::invokeMethod(
                this, [this, paths] { emit PathsDropped(paths); }, Qt::QueuedConnection);
        }
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void EvidenceDropFilter::Watch(QWidget* target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool EvidenceDropFilter::AcceptAsCopy(QDropEvent* event)
{
    if (!(event->possibleActions() & Qt::CopyAction) || LocalPaths(event->mimeData()).isEmpty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}
