// SPDX-License-Identifier: Apache-2.0
#include "ui/CMainToolBar.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

CMainToolBar::CMainToolBar(QWidget* parent) : QToolBar(parent) {}

CMainToolBar::~CMainToolBar() = default;

void CMainToolBar::paintEvent(QPaintEvent* event)
{
    // Both images are tiny; decoding them on every paint keeps the bar free of cached state.
    const QImage background(QStringLiteral(":/images/bg_tool_bar.png"));
    const QImage logo(QStringLiteral(":/images/logo.png"));
    const int width = rect().width();
    const int height = rect().height();

    QPainter painter(this);
    painter.drawImage(QRect(0, 0, width, height), background, background.rect());
    painter.drawImage(QRect(width - logo.width(), 0, logo.width(), logo.height()), logo, logo.rect());
    // The base class's frame, handle and style background are deliberately not painted.
    event->accept();
    painter.end();
}
