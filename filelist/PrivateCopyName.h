// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_FILELIST_PRIVATECOPYNAME_H
#define QUORLITH_FILELIST_PRIVATECOPYNAME_H

#include <QString>

#include <sys/types.h>

// The private copy of an evidence file is named ".quorlith-<pid>-<6 letters or digits>.<complete
// suffix>": hidden, unique, ending in the original's complete suffix so the engine sees the same
// container type, and naming the process that owns it so a later start can tell a copy left by a
// killed process from one still in use.

// The QTemporaryFile template for a copy owned by this process; its XXXXXX becomes the 6 letters
// or digits.
QString PrivateCopyTemplate(const QString& completeSuffix);

// The owner's process id when name is a private copy's name exactly as above (ASCII letters and
// digits only, a decimal id without leading zeros), otherwise 0.
pid_t PrivateCopyOwner(const char* name);

#endif
