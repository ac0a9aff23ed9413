// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_TESTS_SUPPORT_EVIDENCEFILES_H
#define QUORLITH_TESTS_SUPPORT_EVIDENCEFILES_H

#include "tools/EvidenceStamper.h"

#include <QByteArray>
#include <QString>

// Evidence for the window's tests, made from the media fixtures in tests/data/media with the test
// key. Each answers the written file's path, or an empty text when something failed.

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
