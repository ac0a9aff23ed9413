// SPDX-License-Identifier: Apache-2.0
#include "report/PdfTap.h"

#include <algorithm>

namespace {

// Qt writes the document information and the metadata stream first, and ends with the cross-reference
// table, whose last lines are the trailer.
constexpr int kHeadBytes = 16 * 1024;
constexpr int kTailBytes = 4 * 1024;

} // namespace

PdfTap::PdfTap(QIODevice* device) : device(device)
{
    open(QIODevice::WriteOnly);
}

qint64 PdfTap::writeData(const char* data, qint64 length)
{
    qint64 done = 0;
    while (done < length) {
        const qint64 step = device->write(data + done, length - done);
        if (step <= 0)
            return -1;
        done += step;
    }
    if (head.size() < kHeadBytes)
        head.append(data, static_cast<int>(std::min<qint64>(kHeadBytes - head.size(), length)));
    const qint64 kept = std::min<qint64>(length, kTailBytes);
    tail.append(data + length - kept, static_cast<int>(kept));
    if (tail.size() > kTailBytes)
        tail.remove(0, tail.size() - kTailBytes);
    written += length;
    return length;
}
