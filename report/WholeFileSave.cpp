// SPDX-License-Identifier: Apache-2.0
#include "report/WholeFileSave.h"

#include "report/DescriptorDevice.h"

#include "platform/FileReplacement.h"
#include "platform/SystemError.h"

#include <string>

QString SystemErrorString(int errorNumber)
{
    return QString::fromLocal8Bit(SystemErrorText(errorNumber).c_str());
}

bool CanCreateBeside(const QByteArray& path, QString* error)
{
    std::string temporary;
    int createError = 0;
    const int descriptor = CreateTemporaryBeside(path.toStdString(), &temporary, &createError);
    if (descriptor < 0) {
        *error = SystemErrorString(createError);
        return false;
    }
    CloseDescriptor(descriptor);
    RemoveQuietly(temporary);
    return true;
}

bool SaveWhole(const QByteArray& path, QString* error,
               const std::function<bool(DescriptorDevice*, QString*)>& write,
               const std::function<bool()>& keepGoing)
{
    const std::string target = path.toStdString();
    std::string temporary;
    int createError = 0;
    const int descriptor = CreateTemporaryBeside(target, &temporary, &createError);
    if (descriptor < 0) {
        *error = SystemErrorString(createError);
        return false;
    }
    const auto fail = [&](const QString& reason) {
        CloseDescriptor(descriptor);
        RemoveQuietly(temporary);
        *error = reason;
        return false;
    };
    if (const int modeError = TakePermissionsOf(descriptor, target))
        return fail(SystemErrorString(modeError));
    {
        DescriptorDevice device(descriptor);
        if (!write(&device, error)) {
            CloseDescriptor(descriptor);
            RemoveQuietly(temporary);
            return false;
        }
        // The last bytes wait in the buffer: a full disk may show only when they reach the system.
        if (!device.Finish())
            return fail(device.errorString());
    }
    if (keepGoing && !keepGoing())
        return fail(QString());
    if (const int closeError = CloseDescriptor(descriptor)) {
        RemoveQuietly(temporary);
        *error = SystemErrorString(closeError);
        return false;
    }
    if (const int renameError = RenameOver(temporary, target)) {
        RemoveQuietly(temporary);
        *error = SystemErrorString(renameError);
        return false;
    }
    SyncFolderOf(target);
    return true;
}
