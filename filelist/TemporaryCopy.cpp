// SPDX-License-Identifier: Apache-2.0
#include "filelist/TemporaryCopy.h"

#include "filelist/PrivateCopyName.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

#include <vector>

namespace {
const qint64 kCopyBufferSize = 16000;
}

TemporaryCopy::TemporaryCopy(const QFileInfo& original)
    : copy(QDir::current().filePath(PrivateCopyTemplate(original.completeSuffix())))
{
    madeInFull = MakeCopy(original);
    if (madeInFull) {
        pathToVerify = copy.fileName();
    } else {
        if (!copy.fileName().isEmpty())
            copy.remove();
        pathToVerify = original.filePath();
    }
}

bool TemporaryCopy::MakeCopy(const QFileInfo& original)
{
    QFile source(original.filePath());
    if (!source.open(QIODevice::ReadOnly))
        return false;
    if (!copy.open())
        return false;
    const bool copied = CopyAll(source, copy) && copy.flush();
    copy.close();
    return copied && copy.error() == QFileDevice::NoError;
}

bool TemporaryCopy::CopyAll(QIODevice& from, QIODevice& to)
{
    std::vector<char> buffer(kCopyBufferSize);
    for (;;) {
        const qint64 got = from.read(buffer.data(), kCopyBufferSize);
        if (got < 0)
            return false;
        if (got == 0)
            return from.atEnd();
        if (to.write(buffer.data(), got) != got)
            return false;
    }
}
