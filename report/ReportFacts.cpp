// SPDX-License-Identifier: Apache-2.0
#include "report/ReportFacts.h"

#include "engine/KeyFingerprint.h"

#include <QSysInfo>
#include <QUuid>

ReportFacts ReportFactsNow(const QString& programName, const QString& programVersion)
{
    ReportFacts facts;
    facts.programName = programName;
    facts.programVersion = programVersion;
    facts.computerName = QSysInfo::machineHostName();
    facts.keyFingerprint = QString::fromStdString(RecorderKeyFingerprint());
    facts.reportId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    facts.verificationStarted = QDateTime::currentDateTime();
    return facts;
}
