// SPDX-License-Identifier: Apache-2.0
#include "platform/KeySetFolders.h"

#include "platform/WidePath.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace {

std::string KnownFolderWithKeys(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::string folder;
    if (SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK)
        folder = Utf8FromWide(path) + "\\Trevalon Quorlith\\keys.d";
    CoTaskMemFree(path);
    return folder;
}

} // namespace

std::string SystemKeySetFolder()
{
    return KnownFolderWithKeys(FOLDERID_ProgramData);
}

std::string UserKeySetFolder()
{
    return KnownFolderWithKeys(FOLDERID_RoamingAppData);
}

int64_t CurrentUserId()
{
    return -1;
}
