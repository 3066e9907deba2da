#include "classlib/stringlist.h"

#include <windows.h>

#include "classlib/exceptions.h"
#include "classlib/handles.h"

std::string TStringList::Text() const
{
    std::string text;
    for (const auto& line : Lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetText(const std::string& text)
{
    Lines.clear();
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        Lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        Lines.push_back(text.substr(start));
}

void TStringList::LoadFromFile(const std::string& fileName)
{
    UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + SysErrorMessage(GetLastError()));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + SysErrorMessage(GetLastError()));
    std::string text(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!text.empty() && (!ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &got, nullptr) ||
                          got != text.size()))
        throw EReadError("Stream read error");
    SetText(text);
}

void TStringList::SaveToFile(const std::string& fileName) const
{
    UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file)
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + SysErrorMessage(GetLastError()));
    std::string text = Text();
    DWORD written = 0;
    if (!text.empty() &&
        (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written != text.size()))
        throw EWriteError("Stream write error");
}
