// SPDX-License-Identifier: Apache-2.0
#include "report/DescriptorDevice.h"

#include "report/WholeFileSave.h"

#include <cerrno>
#include <unistd.h>

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
    int written = 0;
    while (written < buffer.size()) {
        const ssize_t result = ::write(descriptor, buffer.constData() + written,
                                       static_cast<size_t>(buffer.size() - written));
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0) {
            Fail(result < 0 ? errno : EIO);
            return false;
        }
        written += static_cast<int>(result);
    }
    buffer.clear();
    return true;
}

void DescriptorDevice::Fail(int error)
{
    if (errorNumber != 0)
        return;
    errorNumber = error;
    setErrorString(SystemErrorText(error));
}

bool DescriptorDevice::Finish()
{
    if (errorNumber != 0 || !WriteBuffer())
        return false;
    if (fsync(descriptor) != 0) {
        Fail(errno);
        return false;
    }
    return true;
}
