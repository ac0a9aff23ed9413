// SPDX-License-Identifier: Apache-2.0
#include "report/WholeFileSave.h"

#include <QSaveFile>

bool SaveWhole(const QString& path, QString* error, const std::function<bool(QFileDevice*, QString*)>& write,
               const std::function<bool()>& keepGoing)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!write(&file, error)) {
        file.cancelWriting();
        return false;
    }
    if (keepGoing && !keepGoing()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
