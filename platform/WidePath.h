// SPDX-License-Identifier: Apache-2.0
#ifndef QUORLITH_PLATFORM_WIDEPATH_H
#define QUORLITH_PLATFORM_WIDEPATH_H

#include "platform/FileStatus.h"

#include <string>

// The Windows implementation's helpers: paths, error numbers and the status of an open handle.

// UTF-8 to UTF-16 and back; false or an empty text when the input is not valid.
bool WideFromUtf8(const std::string& text, std::wstring* wide);
std::string Utf8FromWide(const wchar_t* wide);

// The path in the extended-length form (\\?\C:\..., \\?\UNC\server\share\...) that the wide file
// functions take at any length: made absolute against the working folder, '/' turned into '\'. False
// with errno set when the path is not UTF-8 or cannot be made absolute.
bool ExtendedLengthPath(const char* path, std::wstring* extended);

// The errno value nearest to a Windows error code; a failure of the device or the system becomes EIO.
int ErrnoFromWindowsError(unsigned long error);

// Sets errno from GetLastError and answers -1.
int FailWithLastError();

// Status of an open handle; describeLink: the handle was opened on a reparse point itself. 0 or -1.
int StatusOfHandle(void* handle, bool describeLink, FileStatus* status);

#endif
