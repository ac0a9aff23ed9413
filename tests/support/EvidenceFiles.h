// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_EVIDENCEFILES_H
#define QUORLITH_TESTS_SUPPORT_EVIDENCEFILES_H

#include "tools/EvidenceStamper.h"

#include <QByteArray>
#include <QString>

// Stamped evidence made at test time from the media in tests/data/media with the test key, and the
// small file operations the tests share.

// The path of a media fixture, e.g. MediaPath("still.jpg").
QString MediaPath(const QString& name);
// Writes a stamped copy of the media file at mediaPath to outPath; false when stamping fails.
bool StampMedia(const QString& mediaPath, const QString& outPath, const StampRecord& record = StampRecord());
bool StampMedia(const QString& mediaPath, const QString& outPath, const char* version);
// A bare MP4 of totalSize bytes: a file-type box, then one "mdat" box of pseudo-random bytes.
bool WriteMp4(const QString& path, qint64 totalSize);
bool WriteAll(const QString& path, const QByteArray& bytes);
// Overwrites one byte in place, keeping the file's size.
bool Poke(const QString& path, qint64 offset, char value);

// The following answer the written file's path, or an empty text when something failed.

// A stamped copy of media (e.g. "still.jpg") at folder/name.
QString MakeEvidence(const QString& folder, const QString& media, const QString& name,
                     const StampRecord& record = StampRecord());

// A stamped copy of media with one byte in the middle of its digested content flipped.
QString MakeTamperedEvidence(const QString& folder, const QString& media, const QString& name);

// A stamped MP4 whose media data holds payloadBytes bytes: the "ftyp" and "moov" boxes of
// clip-faststart.mp4 followed by one large "mdat" box.
QString MakeLargeEvidence(const QString& folder, const QString& name, qint64 payloadBytes);

// media copied as it is, without a watermark.
QString MakePlainMedia(const QString& folder, const QString& media, const QString& name);

QByteArray ReadAll(const QString& path);

#endif
