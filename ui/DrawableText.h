// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_UI_DRAWABLETEXT_H
#define QUORLITH_UI_DRAWABLETEXT_H

#include <QString>

// Names and record fields as the window may show them: a character that no installed font draws would
// be an empty box, and two names of such characters would look alike, so it is written as \u{XXXX}
// instead, the form the escaping of names already gives characters that would not show (a backslash
// of the name reads \\ there, so the form stays unambiguous). The PDF report does the same with its
// own fonts. For the GUI thread only: what each character needs is found once and kept.
class DrawableText
{
public:
    static QString Of(const QString& text);

    // Whether an installed font draws the character; Qt falls back from the window's font to any of
    // them.
    static bool Drawable(char32_t codePoint);
};

#endif
