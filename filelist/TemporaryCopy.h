// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_TEMPORARYCOPY_H
#define QUORLITH_FILELIST_TEMPORARYCOPY_H

#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>

class QIODevice;

// The private copy of one evidence file that the engine reads instead of the user's file. It is a
// new file, created exclusively under a unique hidden name in the working directory that ends in
// the original's complete suffix and names this process (PrivateCopyName.h). When it cannot be
// made in full (folder not writable, disk full, a read failing part-way) the original is verified
// in place instead: the engine only ever opens files read-only. The copy stays open and locked
// (flock) for its whole life and is removed when this object goes.
class TemporaryCopy
{
public:
    explicit TemporaryCopy(const QFileInfo& original);
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;
    ~TemporaryCopy();

    // The copy's path when it was made in full, otherwise the original's.
    QString PathToVerify() const { return pathToVerify; }
    bool IsCopy() const { return madeInFull; }

    // Copies everything from one device to the other through a 16000-byte buffer; false as soon
    // as a read or a write fails.
    static bool CopyAll(QIODevice& from, QIODevice& to);

private:
    bool MakeCopy(const QFileInfo& original);
    void Remove();

    QTemporaryFile copy;
    bool madeInFull = false;
    QString pathToVerify;
};

#endif
