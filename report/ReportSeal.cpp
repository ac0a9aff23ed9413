// SPDX-License-Identifier: Apache-2.0
#include "report/ReportSeal.h"

#include "report/DescriptorDevice.h"
#include "report/WholeFileSave.h"
#include "verdict/Sha256Reader.h"

#include <cerrno>

QByteArray SealPath(const QByteArray& reportPath)
{
    return reportPath + ".sha256";
}

QByteArray SealLine(const std::string& hexDigest, const QByteArray& baseName)
{
    QByteArray name;
    bool escaped = false;
    for (const char byte : baseName) {
        if (byte == '\\') {
            name += "\\\\";
            escaped = true;
        } else if (byte == '\n') {
            name += "\\n";
            escaped = true;
        } else if (byte == '\r') {
            name += "\\r";
            escaped = true;
        } else {
            name += byte;
        }
    }
    return (escaped ? QByteArray("\\") : QByteArray()) + QByteArray::fromStdString(hexDigest) + "  " + name +
           "\n";
}

bool SealReport(const QByteArray& reportPath, std::string* hexDigest, QString* error)
{
    errno = 0;
    if (!Sha256Reader::DigestFile(reportPath.toStdString(), hexDigest)) {
        *error = SystemErrorString(errno != 0 ? errno : EIO);
        return false;
    }
    const int slash = reportPath.lastIndexOf('/');
    const QByteArray line = SealLine(*hexDigest, slash < 0 ? reportPath : reportPath.mid(slash + 1));
    return SaveWhole(SealPath(reportPath), error, [&line](DescriptorDevice* device, QString* writeError) {
        if (device->write(line) == line.size() && device->ErrorNumber() == 0)
            return true;
        *writeError = device->errorString();
        return false;
    });
}
