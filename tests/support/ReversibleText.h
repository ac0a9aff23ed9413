// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_REVERSIBLETEXT_H
#define QUORLITH_TESTS_SUPPORT_REVERSIBLETEXT_H

#include <QByteArray>

// What a reader of the text or CSV output does to get a name's bytes back, written from the manual
// page rather than taken from the program: reading left to right, \\ is a backslash, \xNN (two
// upper-case hex digits) the byte NN and \u{XXXX} (four upper-case hex digits) the UTF-8 bytes of
// the code point XXXX. *ok is false, and the result empty, when a backslash starts none of them.
QByteArray FromReversibleText(const QByteArray& text, bool* ok);

#endif
