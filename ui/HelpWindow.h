// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_HELPWINDOW_H
#define QUORLITH_UI_HELPWINDOW_H

#include <QWidget>

class QCloseEvent;
class QTextBrowser;
class QVBoxLayout;

// The help page in the user's language, read from the folder "help" beside the program. A top-level
// window of its own: closing it only hides it, so the next Help shows it as the user left it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    HelpWindow();
    ~HelpWindow() override;

    // True while the window is not on screen. The main window's Help command shows the window only
    // then, and clears it.
    bool windowClosed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTextBrowser* textBrowser;
    QVBoxLayout* mainLayout;
};

#endif
