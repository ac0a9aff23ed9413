// SPDX-License-Identifier: Apache-2.0
#include "tests/support/EvidenceFiles.h"

#include "engine/WatermarkVerifier.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

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
    return MakeEvidenceFrom(MediaPath(media), QDir(folder).filePath(name), record);
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
    QFile fixture(MediaPath("clip-faststart.mp4"));
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
    return QFile::copy(MediaPath(media), out) ? out : QString();
}

QString MediaPath(const QString& name)
{
    return QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + name;
}

bool StampMedia(const QString& mediaPath, const QString& outPath, const StampRecord& record)
{
    QFile::remove(outPath);
    return StampEvidence(QUORLITH_TEST_KEY, record, QFile::encodeName(mediaPath).toStdString(),
                         QFile::encodeName(outPath).toStdString()) == 0;
}

bool StampMedia(const QString& mediaPath, const QString& outPath, const char* version)
{
    StampRecord record;
    record.version = version;
    return StampMedia(mediaPath, outPath, record);
}

bool WriteMp4(const QString& path, qint64 totalSize)
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

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool Poke(const QString& path, qint64 offset, char value)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(offset) && file.write(&value, 1) == 1;
}
