// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_REPORT_DESCRIPTORDEVICE_H
#define QUORLITH_REPORT_DESCRIPTORDEVICE_H

#include <QByteArray>
#include <QIODevice>

// Writes to an open file descriptor through a buffer of its own, keeping the system's error of the
// first write that fails: Qt's file device loses it when a write is cut short, as on a full disk, and
// leaves only "Unknown error". The descriptor stays open when the device goes.
class DescriptorDevice : public QIODevice
{
public:
    explicit DescriptorDevice(int descriptor);
    ~DescriptorDevice() override;

    int Descriptor() const { return descriptor; }
    // Hands every buffered byte to the system and syncs the file to the disk; false with the reason in
    // errorString() when one of them fails, then and after any earlier failed write.
    bool Finish();
    // The errno of the first failure; 0 while none.
    int ErrorNumber() const { return errorNumber; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool WriteBuffer();
    void Fail(int error);

    int descriptor;
    QByteArray buffer;
    int errorNumber = 0;
};

#endif
