#include "calculator/tapefile_win.h"

#include <windows.h>

#include "calculator/tapefile.h"
#include "classlib/exceptions.h"
#include "classlib/filepaths.h"
#include "classlib/handles.h"

namespace {

[[noreturn]] void RaiseCreateError(const std::string& fileName, DWORD code)
{
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + SysErrorMessage(code));
}

// Writes all of text to the file and makes sure it reached the disk;
// errors name the file the caller asked for.
void WriteAll(const char* temporary, const std::string& fileName, const std::string& text)
{
    UniqueFile file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        RaiseCreateError(fileName, GetLastError());
    DWORD written = 0;
    if ((!text.empty() && (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
                           written != text.size())) ||
        !FlushFileBuffers(file.get()))
        throw EWriteError("Stream write error");
}

} // namespace

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
    // The new file sits in the same folder, so the replace below is a rename.
    char temporary[MAX_PATH] = {};
    std::string folder = ExtractFilePath(fileName);
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "tap", 0, temporary))
        RaiseCreateError(fileName, GetLastError());
    try {
        WriteAll(temporary, fileName, TapeFileText(lines));
    } catch (...) {
        DeleteFileA(temporary);
        throw;
    }
    if (!MoveFileExA(temporary, fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD code = GetLastError();
        DeleteFileA(temporary);
        RaiseCreateError(fileName, code);
    }
}

std::string TapeAutosaveFileName()
{
    return ProgramFolder() + kTapeAutosaveName;
}
