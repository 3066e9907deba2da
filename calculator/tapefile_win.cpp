#include "calculator/tapefile_win.h"

#include <windows.h>

#include "calculator/tapefile.h"
#include "classlib/exceptions.h"
#include "classlib/filepaths.h"
#include "classlib/handles.h"
#include "classlib/writereplacing.h"

std::vector<std::string> ReadTapeFile(const std::string& fileName)
{
    UniqueFile file(CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + SysErrorMessage(GetLastError()));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        throw EReadError("Stream read error");
    if (size.QuadPart > 0x7FFFFFFF)
        throw EReadError("Stream read error");
    std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!text.empty() &&
        (!ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &got, nullptr) || got != text.size()))
        throw EReadError("Stream read error");
    return TapeFileLines(text);
}

void WriteTapeFile(const std::string& fileName, const std::vector<std::string>& lines)
{
    WriteFileReplacing(fileName, TapeFileText(lines));
}

std::string TapeAutosaveFileName()
{
    return ProgramFolder() + kTapeAutosaveName;
}
