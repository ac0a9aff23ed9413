#include "EvidenceFiles.h"

#include "engine/WatermarkVerifier.h"

#include <QDir>
#include <QFile>

namespace {
QString MediaPath(const QString& media)
{
    return QStringLiteral(QUORLITH_TEST_DATA_DIR "/media/") + media;
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
    const QString out = QDir(folder).filePath(name);
    if (StampEvidence(QUORLITH_TEST_KEY, record, QFile::encodeName(MediaPath(media)).toStdString(),
                      QFile::encodeName(out).toStdString()) != 0)
        return QString();
    return out;
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

QString MakePlainMedia(const QString& folder, const QString& media, const QString& name)
{
    const QString out = QDir(folder).filePath(name);
    return QFile::copy(MediaPath(media), out) ? out : QString();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
