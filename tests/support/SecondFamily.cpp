// SPDX-License-Identifier: Apache-2.0
#include "tests/support/SecondFamily.h"

#include "tests/support/EvidenceFiles.h"
#include "tools/EvidenceStamper.h"

#include <QDir>
#include <QFile>

namespace {
const char* const kKeys = QUORLITH_SOURCE_DIR "/tests/keys/";

bool CopyOwnerWritable(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to) &&
           QFile::setPermissions(to, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
} // namespace

QString MakeSecondFamilyEvidence(const QString& folder, const QString& media, const QString& name,
                                 const char* hmacKey)
{
    StampRecord record;
    record.hmacKey = hmacKey;
    const QString out = QDir(folder).filePath(name);
    if (StampEvidence(std::string(kKeys) + "second-family-key.pem", record,
                      QFile::encodeName(MediaPath(media)).toStdString(),
                      QFile::encodeName(out).toStdString()) != 0)
        return QString();
    return out;
}

QString CopySecondFamilyKeyFile(const QString& folder)
{
    const QDir target(folder);
    const QString keyFile = target.filePath("second-family.key");
    if (!CopyOwnerWritable(QString(kKeys) + "second-family-public.pem",
                           target.filePath("second-family-public.pem")) ||
        !CopyOwnerWritable(QString(kKeys) + "second-family.key", keyFile))
        return QString();
    return keyFile;
}
