// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_REPORTKEYSETTEXT_H
#define QUORLITH_REPORT_REPORTKEYSETTEXT_H

#include "verdict/KeySetFacts.h"

#include <QCoreApplication>
#include <QString>

// Where a key set of the report came from, in the installed translation: built in, or the key file
// (path escaped as every name on the page) with its SHA-256, and the size of its RSA modulus.
class ReportKeySetText
{
    Q_DECLARE_TR_FUNCTIONS(ReportKeySets)

public:
    static QString Source(const KeySetFacts& set);
};

#endif
