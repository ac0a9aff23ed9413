// SPDX-License-Identifier: Apache-2.0
#include "report/DescriptorDevice.h"

#include "report/WholeFileSave.h"

#include "platform/DescriptorOutput.h"

namespace {

constexpr int kBufferSize = 64 * 1024;

} // namespace

DescriptorDevice::DescriptorDevice(int descriptor) : descriptor(descriptor)
{
    buffer.reserve(kBufferSize);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

DescriptorDevice::~DescriptorDevice()
{
    close();
}

qint64 DescriptorDevice::readData(char*, qint64)
{
    return -1;
}

qint64 DescriptorDevice::writeData(const char* data, qint64 size)
{
    if (errorNumber != 0)
        return -1;
    buffer.append(data, static_cast<int>(size));
    if (buffer.size() >= kBufferSize && !WriteBuffer())
        return -1;
    return size;
}

bool DescriptorDevice::WriteBuffer()
{
    const int error = WriteAllTo(descriptor, buffer.constData(), static_cast<size_t>(buffer.size()));
    if (error != 0) {
        Fail(error);
        return false;
    }
    buffer.clear();
    return true;
}

void DescriptorDevice::Fail(int error)
{
    if (errorNumber != 0)
        return;
    errorNumber = error;
    setErrorString(SystemErrorString(error));
}

bool DescriptorDevice::Finish()
{
    if (errorNumber != 0 || !WriteBuffer())
        return false;
    const int error = SyncToDisk(descriptor);
    if (error != 0) {
        Fail(error);
        return false;
    }
    return true;
}
