// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_TABSEPARATEDTEXT_H
#define QUORLITH_FILELIST_TABSEPARATEDTEXT_H

#include <QString>
#include <QStringList>
#include <QVector>

// Rows of cells as a spreadsheet takes them from the clipboard: cells separated by tabs, every row
// ended by a line feed. A cell holding a tab, a line break or a double quote is put in double quotes
// with its quotes doubled, so that a file name with such characters stays one cell.
QString TabSeparatedText(const QVector<QStringList>& rows);

#endif
