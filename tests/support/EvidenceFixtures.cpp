// SPDX-License-Identifier: Apache-2.0
#include "tests/support/EvidenceFixtures.h"

#include <QFile>
#include <QtEndian>

QString EvidenceFixtures::Media(const QString& name)
{
    return QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + name;
}

bool EvidenceFixtures::Stamp(const QString& mediaPath, const QString& outPath, const StampRecord& record)
{
    QFile::remove(outPath);
    return StampEvidence(QUORLITH_TEST_KEY, record, QFile::encodeName(mediaPath).toStdString(),
                         QFile::encodeName(outPath).toStdString()) == 0;
}

bool EvidenceFixtures::Stamp(const QString& mediaPath, const QString& outPath, const char* version)
{
    StampRecord record;
    record.version = version;
    return Stamp(mediaPath, outPath, record);
}

bool EvidenceFixtures::WriteMp4(const QString& path, qint64 totalSize)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray header(24, '\0');
    qToBigEndian<quint32>(16, header.data());
    header.replace(4, 8, "ftypisom");
    qToBigEndian<quint32>(static_cast<quint32>(totalSize - 16), header.data() + 16);
    header.replace(20, 4, "mdat");
    if (file.write(header) != header.size())
        return false;
    QByteArray chunk(1 << 20, '\0');
    quint32 state = 12345;
    for (char& byte : chunk) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    for (qint64 left = totalSize - header.size(); left > 0; left -= chunk.size()) {
        const qint64 piece = qMin<qint64>(left, chunk.size());
        if (file.write(chunk.constData(), piece) != piece)
            return false;
    }
    return true;
}

QByteArray EvidenceFixtures::ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool EvidenceFixtures::WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool EvidenceFixtures::Poke(const QString& path, qint64 offset, char value)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) && file.write(&value, 1) == 1;
}
