// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_TABSEPARATEDTEXT_H
#define QUORLITH_FILELIST_TABSEPARATEDTEXT_H

#include <QString>
#include <QStringList>
#include <QVector>

// Rows of cells as a spreadsheet takes them from the clipboard: cells separated by tabs, every row
// ended by a line feed. A cell holding a tab, a line break or a double quote is put in double quotes
// with its quotes doubled, so that a file name with such characters stays one cell. A cell that
// starts with = + - @ or ' gets a ' in front, so that a spreadsheet takes it as text, not a formula.
QString TabSeparatedText(const QVector<QStringList>& rows);

#endif
