// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_RESULTROW_H
#define QUORLITH_FILELIST_RESULTROW_H

#include "verdict/VerificationResult.h"

#include <QList>
#include <QString>

class QStandardItem;

// A row of the result list as it shows one file's result: the name, the verdict in its colour, the
// record's times and serial, the coverage sign, the whole result under kResultRole and a tooltip on
// every cell. The verification run writes new rows with it, and a row whose file got another verdict
// since is written over with it, so that both look alike.
class ResultRow
{
public:
    // items: one per column of the list, in column order.
    static void Fill(const QList<QStandardItem*>& items, const VerificationResult& result);

    // The full path, escaped as the details window shows it, then the reason of a failure or the
    // coverage of a partly protected file on the lines below. Two files of one name in different
    // folders thus tell themselves apart. A path that Qt would take for rich text comes as HTML that
    // shows the same lines, so that no part of a name is read as markup.
    static QString ToolTip(const VerificationResult& result);
};

#endif
