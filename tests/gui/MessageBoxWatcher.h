// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_GUI_MESSAGEBOXWATCHER_H
#define QUORLITH_TESTS_GUI_MESSAGEBOXWATCHER_H

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers every modal message box that comes up while it lives, with its default button, and
// remembers what each one showed. It looks every few milliseconds, so it also sees boxes that block
// inside a constructor.
class MessageBoxWatcher : public QObject
{
    Q_OBJECT

public:
    MessageBoxWatcher();

    struct SeenBox
    {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool hasParent = false;
        int fontPointSize = 0;
    };
    QList<SeenBox> seen;

private:
    void AnswerOpenBox();

    QTimer poll;
};

#endif
