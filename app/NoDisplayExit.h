// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_APP_NODISPLAYEXIT_H
#define QUORLITH_APP_NODISPLAYEXIT_H

#include <QtGlobal>

// Qt ends a program whose window system cannot be reached (no DISPLAY, a display that does not
// answer, no platform plugin) with abort(): status 134 and perhaps a core dump, which reads like a
// crash. Installed while the application object is made, this handler turns that fatal message into
// a plain explanation on standard error and status 1.
void EndWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message);

#endif
