// SPDX-License-Identifier: Apache-2.0
#include "app/NoDisplayExit.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

void EndWithoutDisplay(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const QByteArray text = message.toLocal8Bit();
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", text.constData());
        return;
    }
    std::fprintf(stderr,
                 "quorlith: the window cannot be shown: no display could be reached (%s).\n"
                 "Start it inside a desktop session, or check files without one with quorlith-verify.\n",
                 text.constData());
    std::fflush(stderr);
    std::_Exit(1);
}
