// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_CMAINTOOLBAR_H
#define QUORLITH_UI_CMAINTOOLBAR_H

#include <QToolBar>

class QPaintEvent;

// The main window's fixed tool bar. It paints its own background: the background strip stretched over
// the whole bar and the maker's logo flush with its top right corner; the buttons paint over both.
class CMainToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CMainToolBar(QWidget* parent);
    ~CMainToolBar() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
