// SPDX-License-Identifier: Apache-2.0
#include "filelist/PacedEventPump.h"

#include <QCoreApplication>

PacedEventPump::PacedEventPump(const QList<QWidget*>& held)
{
    for (QWidget* widget : held)
        widgets.append(widget);
    SetPainting(false);
    sinceLastPump.start();
}

PacedEventPump::~PacedEventPump()
{
    SetPainting(true);
}

bool PacedEventPump::Pump()
{
    if (sinceLastPump.elapsed() < kIntervalMs)
        return false;
    SetPainting(true);
    QCoreApplication::processEvents();
    SetPainting(false);
    sinceLastPump.restart();
    return true;
}

void PacedEventPump::SetPainting(bool painting)
{
    for (const QPointer<QWidget>& widget : widgets) {
        if (widget)
            widget->setUpdatesEnabled(painting);
    }
}
