// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_PACEDEVENTPUMP_H
#define QUORLITH_FILELIST_PACEDEVENTPUMP_H

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWidget>

// Keeps the window answering through a long loop on the GUI thread without paying for events and
// painting after every step. Between pumps the given widgets do not paint (a view that was told
// of a change asks for its whole layout again, which after every step would make the loop
// quadratic); Pump processes the pending events, with the widgets painting, once the interval has
// passed since the last time. The widgets paint again when the pump goes.
class PacedEventPump
{
public:
    static constexpr qint64 kIntervalMs = 15;

    explicit PacedEventPump(const QList<QWidget*>& held);
    ~PacedEventPump();
    PacedEventPump(const PacedEventPump&) = delete;
    PacedEventPump& operator=(const PacedEventPump&) = delete;

    // Whether events were processed.
    bool Pump();

private:
    void SetPainting(bool painting);

    QList<QPointer<QWidget>> widgets;
    QElapsedTimer sinceLastPump;
};

#endif
