// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_EVIDENCEFIXTURES_H
#define QUORLITH_TESTS_SUPPORT_EVIDENCEFIXTURES_H

#include "tools/EvidenceStamper.h"

#include <QByteArray>
#include <QString>

// Stamped evidence made at test time from the media in tests/data/media.
class EvidenceFixtures
{
public:
    static QString Media(const QString& name);

    // Writes a stamped copy of the media file at mediaPath (e.g. Media("still.jpg")) to outPath;
    // false when stamping fails.
    static bool Stamp(const QString& mediaPath, const QString& outPath,
                      const StampRecord& record = StampRecord());
    static bool Stamp(const QString& mediaPath, const QString& outPath, const char* version);

    // A bare MP4 of totalSize bytes: a file-type box, then one "mdat" box of pseudo-random bytes.
    static bool WriteMp4(const QString& path, qint64 totalSize);

    static QByteArray ReadAll(const QString& path);
    static bool WriteAll(const QString& path, const QByteArray& bytes);
    // Overwrites one byte in place, keeping the file's size.
    static bool Poke(const QString& path, qint64 offset, char value);
};

#endif
