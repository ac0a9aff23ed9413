// SPDX-License-Identifier: Apache-2.0
#include "report/ReportKeySetText.h"

#include "verdict/VerdictText.h"

QString ReportKeySetText::Source(const KeySetFacts& set)
{
    const QString bits = QString::number(set.modulusBits);
    const QString file = VerdictText::InStoredOrder(VerdictText::DisplayPath(set.file));
    const QString digest = QString::fromStdString(set.fileSha256);
    switch (set.source) {
    case KeySetSource::BuiltIn:
        return tr("built into the program; RSA modulus of %1 bits").arg(bits);
    case KeySetSource::SystemFolder:
        return tr("system key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits").arg(file, digest, bits);
    case KeySetSource::UserFolder:
        return tr("user key folder: %1 (file SHA-256 %2); RSA modulus of %3 bits").arg(file, digest, bits);
    case KeySetSource::CommandLine:
        return tr("given with --keys: %1 (file SHA-256 %2); RSA modulus of %3 bits").arg(file, digest, bits);
    }
    return QString();
}
