// SPDX-License-Identifier: Apache-2.0
#include "verdict/PathText.h"

#include "verdict/TextEscaping.h"

#include <cstdio>

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsAsciiHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Whether text after a backslash would read as an escape rather than as a name.
bool StartsAsEscape(const std::string& text)
{
    if (text.size() >= 3 && text[0] == 'x')
        return IsAsciiHexDigit(text[1]) && IsAsciiHexDigit(text[2]);
    return text.size() >= 2 && text[0] == 'u' && text[1] == '{';
}

std::string WindowsReversiblePath(const std::string& path)
{
    std::string out;
    out.reserve(path.size());
    bool afterBackslash = false;
    size_t i = 0;
    while (i < path.size()) {
        if (IsPathSeparator(path[i], PathStyle::Windows)) {
            afterBackslash = path[i] == '\\';
            out += path[i++];
            continue;
        }
        size_t end = i;
        while (end < path.size() && !IsPathSeparator(path[end], PathStyle::Windows))
            ++end;
        std::string name = ToReversibleText(path.substr(i, end - i));
        if (afterBackslash && StartsAsEscape(name)) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(name[0]));
            name.replace(0, 1, escape);
        }
        out += name;
        afterBackslash = false;
        i = end;
    }
    return out;
}

} // namespace

bool IsPathSeparator(char c, PathStyle style)
{
    return c == '/' || (style == PathStyle::Windows && c == '\\');
}

bool IsRootedPath(const std::string& path, PathStyle style)
{
    if (path.empty())
        return false;
    if (IsPathSeparator(path[0], style))
        return true;
    return style == PathStyle::Windows && path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

std::string JoinedPath(const std::string& folder, const std::string& path, PathStyle style)
{
    if (folder.empty() || path.empty() || IsRootedPath(path, style))
        return path;
    if (IsPathSeparator(folder.back(), style))
        return folder + path;
    return folder + (style == PathStyle::Windows ? '\\' : '/') + path;
}

std::string LastPathName(const std::string& path, PathStyle style)
{
    for (size_t i = path.size() < 2 ? 0 : path.size() - 1; i > 0; --i) {
        if (IsPathSeparator(path[i - 1], style))
            return path.substr(i);
    }
    return path;
}

size_t FolderPartLength(const std::string& path, size_t length, PathStyle style)
{
    while (length > 0 && !IsPathSeparator(path[length - 1], style))
        --length;
    return length;
}

std::string ContainingFolder(const std::string& path, PathStyle style)
{
    const size_t length = FolderPartLength(path, path.size(), style);
    if (length == 0)
        return std::string();
    const std::string before = path.substr(0, length - 1);
    const bool drive = style == PathStyle::Windows && before.size() == 2 && before[1] == ':';
    return before.empty() || drive ? path.substr(0, length) : before;
}

std::string ToReversiblePath(const std::string& path, PathStyle style)
{
    return style == PathStyle::Windows ? WindowsReversiblePath(path) : ToReversibleText(path);
}
