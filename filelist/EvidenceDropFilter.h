// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_EVIDENCEDROPFILTER_H
#define QUORLITH_FILELIST_EVIDENCEDROPFILTER_H

#include <QObject>
#include <QStringList>

class QDropEvent;
class QMimeData;
class QWidget;

// Files and folders dropped onto the window are handed on for the window to add as it adds paths handed
// over from outside, folders scanned as "Open Folder" scans them. A drag is taken only when it carries local
// files, and only as a copy, so the drag source never deletes what it offered; anything else is
// refused. The paths are handed on once the drop has been answered: a run inside the drop event
// would keep the drag source waiting for its whole length.
class EvidenceDropFilter : public QObject
{
    Q_OBJECT

public:
    // Watches the window and every further target, which are made to accept drops.
    EvidenceDropFilter(QWidget* window, const QList<QWidget*>& targets);

    // The local paths a drag carries, in its order; links of other kinds are left out.
    static QStringList LocalPaths(const QMimeData* data);

signals:
    // The local paths of a drop that was taken, once the drop has been answered.
    void PathsDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWidget* target);
    // Accepts the drag as a copy when it carries local files and may be copied; refuses it otherwise.
    static bool AcceptAsCopy(QDropEvent* event);
};

#endif
