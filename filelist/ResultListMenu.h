// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_RESULTLISTMENU_H
#define QUORLITH_FILELIST_RESULTLISTMENU_H

#include <QAction>
#include <QMenu>
#include <QObject>

class QPoint;
class QTreeView;

// The menu of the result list's rows, opened by a right click on a row. A click on the empty part of
// the list opens nothing, since every command acts on rows. The commands that only read the list live
// here; the window adds each of its own entries with one AddCommand line.
class ResultListMenu : public QObject
{
    Q_OBJECT

public:
    explicit ResultListMenu(QTreeView* view);

    template <typename Receiver, typename Slot>
    QAction* AddCommand(const QString& text, const Receiver* receiver, Slot slot)
    {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, receiver, slot);
        return action;
    }

public slots:
    // The selected rows with a header line, as the list shows them, and each file's full path in a
    // last column, for a spreadsheet.
    void CopySelectedRows();
    // The folder of the first selected row's file, in the desktop's file manager; a message says so
    // when no file manager answers.
    void OpenContainingFolder();

private slots:
    void Popup(const QPoint& position);

private:
    QTreeView* view;
    QMenu* menu;

    friend class TestResultListMenu;
};

#endif
