#include "classlib/filepaths.h"

#include <windows.h>

#include <vector>

std::string ExtractFilePath(const std::string& fileName)
{
    // Walk by characters: the second byte of a GBK character can be a backslash.
    std::size_t end = 0;
    for (std::size_t i = 0; i < fileName.size(); ++i) {
        char c = fileName[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < fileName.size())
            ++i;
        else if (c == '\\' || c == '/' || c == ':')
            end = i + 1;
    }
    return fileName.substr(0, end);
}

std::string ExtractFileName(const std::string& fileName)
{
    return fileName.substr(ExtractFilePath(fileName).size());
}

std::string ExtractFileExtension(const std::string& fileName)
{
    // No GBK byte is a dot, so the last one in the name part is the real one.
    std::string name = ExtractFileName(fileName);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string ProgramFolder()
{
    std::vector<char> path(MAX_PATH);
    DWORD n = 0;
    // A path that fills the buffer may have been cut: ask again, bigger.
    while ((n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size())
        path.resize(path.size() * 2);
    return ExtractFilePath(std::string(path.data(), n));
}

bool FileExists(const std::string& fileName)
{
    DWORD attributes = GetFileAttributesA(fileName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
