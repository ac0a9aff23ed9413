// SPDX-License-Identifier: Apache-2.0
#include "platform/LoadableModule.h"

#include "platform/WidePath.h"

#include <windows.h>

namespace {

// The system's words for a failed load; a message that names the file as "%1" gets the file's name.
std::string LoadFailureText(DWORD error, const std::wstring& path)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    const size_t separator = path.find_last_of(L"\\/");
    const std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    for (size_t at = message.find(L"%1"); at != std::wstring::npos;
         at = message.find(L"%1", at + name.size()))
        message.replace(at, 2, name);
    return message.empty() ? "Windows error " + std::to_string(error) : Utf8FromWide(message.c_str());
}

} // namespace

ModuleLoad LoadModuleFunction(const std::string& path, const char* function, void** address,
                              std::string* reason)
{
    std::wstring widePath;
    if (!WideFromUtf8(path, &widePath) || GetFileAttributesW(widePath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return ModuleLoad::Missing;
    const HMODULE module = LoadLibraryExW(widePath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) {
        *reason = path + ": " + LoadFailureText(GetLastError(), widePath);
        return ModuleLoad::Failed;
    }
    *address = reinterpret_cast<void*>(GetProcAddress(module, function));
    return *address ? ModuleLoad::Loaded : ModuleLoad::NoFunction;
}
