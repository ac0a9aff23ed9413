// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_PDFTAP_H
#define QUORLITH_REPORT_PDFTAP_H

#include <QByteArray>
#include <QIODevice>

// Passes what Qt's PDF output writes on to the device and keeps its first and last bytes, where the
// document information, the metadata stream and the trailer stand, so that an update can be appended
// without the document ever being held in memory whole.
class PdfTap : public QIODevice
{
public:
    explicit PdfTap(QIODevice* device);

    bool isSequential() const override { return true; }
    const QByteArray& Head() const { return head; }
    const QByteArray& Tail() const { return tail; }
    qint64 Written() const { return written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    QIODevice* device;
    QByteArray head;
    QByteArray tail;
    qint64 written = 0;
};

#endif
