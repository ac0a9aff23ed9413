// SPDX-License-Identifier: Apache-2.0
#include "tests/support/EvidenceFiles.h"

#include "engine/WatermarkVerifier.h"
#include "tests/support/EvidenceFixtures.h"

#include <QDir>
#include <QFile>

namespace {
QString MakeEvidenceFrom(const QString& mediaPath, const QString& out, const StampRecord& record)
{
    if (StampEvidence(QUORLITH_TEST_KEY, record, QFile::encodeName(mediaPath).toStdString(),
                      QFile::encodeName(out).toStdString()) != 0)
        return QString();
    return out;
}

bool FlipByte(const QString& path, qint64 offset)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(offset))
        return false;
    char byte = 0;
    if (file.read(&byte, 1) != 1 || !file.seek(offset))
        return false;
    byte = static_cast<char>(byte ^ 0x01);
    return file.write(&byte, 1) == 1;
}
} // namespace

QString MakeEvidence(const QString& folder, const QString& media, const QString& name,
                     const StampRecord& record)
{
    return MakeEvidenceFrom(EvidenceFixtures::Media(media), QDir(folder).filePath(name), record);
}

QString MakeTamperedEvidence(const QString& folder, const QString& media, const QString& name)
{
    const QString out = MakeEvidence(folder, media, name);
    if (out.isEmpty())
        return QString();
    // Where the digested content lies differs per container; the engine knows it.
    WatermarkVerifier verifier;
    if (verifier.Verify(QFile::encodeName(out).constData()) != 0 || !verifier.HasContentRegion())
        return QString();
    const ContentRegion region = verifier.GetContentRegion();
    if (region.length < 1 || !FlipByte(out, region.start + region.length / 2))
        return QString();
    return out;
}

QString MakeLargeEvidence(const QString& folder, const QString& name, qint64 payloadBytes)
{
    const qint64 kBoxesBeforeMdat = 948; // ftyp, moov and free of clip-faststart.mp4
    QFile fixture(EvidenceFixtures::Media("clip-faststart.mp4"));
    if (payloadBytes < 0 || payloadBytes > 0xFFFFFFFFLL - 8 || !fixture.open(QIODevice::ReadOnly))
        return QString();
    QByteArray media = fixture.read(kBoxesBeforeMdat);
    const quint32 boxSize = static_cast<quint32>(payloadBytes + 8);
    media.append(char(boxSize >> 24))
        .append(char(boxSize >> 16))
        .append(char(boxSize >> 8))
        .append(char(boxSize));
    media.append("mdat");

    const QString mediaPath = QDir(folder).filePath(name + ".media.mp4");
    QFile out(mediaPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(media) != media.size())
        return QString();
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < chunk.size(); ++i)
        chunk[i] = static_cast<char>((i * 131) ^ (i >> 9));
    for (qint64 left = payloadBytes; left > 0; left -= chunk.size()) {
        const qint64 count = qMin<qint64>(left, chunk.size());
        if (out.write(chunk.constData(), count) != count)
            return QString();
    }
    out.close();
    const QString stamped = MakeEvidenceFrom(mediaPath, QDir(folder).filePath(name), StampRecord());
    QFile::remove(mediaPath);
    return stamped;
}

QString MakePlainMedia(const QString& folder, const QString& media, const QString& name)
{
    const QString out = QDir(folder).filePath(name);
    return QFile::copy(EvidenceFixtures::Media(media), out) ? out : QString();
}

QByteArray ReadAll(const QString& path)
{
    return EvidenceFixtures::ReadAll(path);
}
