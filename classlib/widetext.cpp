#include "classlib/widetext.h"

#include <windows.h>

std::wstring WideFromAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), units);
    return wide;
}

std::string AnsiFromWide(const std::wstring& text)
{
    if (text.empty())
        return {};
    int size = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}
