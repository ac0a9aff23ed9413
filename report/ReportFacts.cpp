// SPDX-License-Identifier: Apache-2.0
#include "report/ReportFacts.h"

#include "engine/KeyFingerprint.h"

#include <QSysInfo>

ReportFacts ReportFactsNow(const QString& programName, const QString& programVersion)
{
    ReportFacts facts;
    facts.programName = programName;
    facts.programVersion = programVersion;
    facts.computerName = QSysInfo::machineHostName();
    facts.keyFingerprint = QString::fromStdString(RecorderKeyFingerprint());
    facts.verificationStarted = QDateTime::currentDateTime();
    return facts;
}
