// SPDX-License-Identifier: Apache-2.0
// The report module on Windows: a library beside the tool, loaded by its UTF-16 path, so that a folder
// named outside the ANSI code page is no obstacle. The folder is the running tool's own, never the
// search path, so that no other file of that name is taken for it; the module's Qt libraries are
// looked for in its folder first.
#include "cli/ReportModuleLoader.h"

#include "platform/WidePath.h"

#include <windows.h>

namespace {

std::wstring ToolFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        // A name that filled the buffer may have been cut short.
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

// The system's words for a failed load; a message that names the file as "%1" gets the module's name.
std::string LoadFailureText(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    for (size_t at = message.find(L"%1"); at != std::wstring::npos; at = message.find(L"%1", at))
        message.replace(at, 2, L"" QUORLITH_REPORT_MODULE_FILE);
    return message.empty() ? "Windows error " + std::to_string(error) : Utf8FromWide(message.c_str());
}

} // namespace

const ReportModuleEntries* LoadReportModule(std::string* error)
{
    const std::wstring folder = ToolFolder();
    std::wstring name;
    WideFromUtf8(QUORLITH_REPORT_MODULE_FILE, &name);
    const std::wstring path = folder + L"\\" + name;
    if (folder.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        *error = "the report module " QUORLITH_REPORT_MODULE_FILE " is not installed";
        return nullptr;
    }
    // Kept loaded for the rest of the process: Qt does not expect to be unloaded.
    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) {
        *error = Utf8FromWide(path.c_str()) + ": " + LoadFailureText(GetLastError());
        return nullptr;
    }
    using Entries = const ReportModuleEntries* (*)();
    const Entries entries = reinterpret_cast<Entries>(
        reinterpret_cast<void*>(GetProcAddress(module, QUORLITH_REPORT_MODULE_ENTRIES)));
    if (!entries) {
        *error = Utf8FromWide(path.c_str()) + " is not the report module";
        return nullptr;
    }
    return entries();
}
