#include "classlib/directories.h"

#include <windows.h>

namespace {
bool IsDelimiter(char c)
{
    return c == '\\' || c == '/' || c == ':';
}

// Index of the last "\", "/" or ":" outside double-byte characters; npos when none.
size_t LastDelimiter(const std::string& path)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])))
            ++i;
        else if (IsDelimiter(path[i]))
            last = i;
    }
    return last;
}

std::string WithoutTrailingBackslash(std::string path)
{
    while (!path.empty()) {
        size_t last = LastDelimiter(path);
        if (last != path.size() - 1 || path[last] == ':')
            break;
        path.pop_back();
    }
    return path;
}
} // namespace

bool DirectoryExists(const std::string& directory)
{
    DWORD attributes = GetFileAttributesA(directory.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ForceDirectories(const std::string& directory)
{
    std::string dir = WithoutTrailingBackslash(directory);
    if (dir.empty())
        return false;
    // A drive ("d:") cannot be made, only found.
    if (dir.back() == ':')
        return DirectoryExists(dir + "\\");
    if (DirectoryExists(dir))
        return true;
    size_t last = LastDelimiter(dir);
    if (last != std::string::npos) {
        std::string parent = dir.substr(0, dir[last] == ':' ? last + 1 : last);
        if (!parent.empty() && !ForceDirectories(parent))
            return false;
    }
    return CreateDirectoryA(dir.c_str(), nullptr) || DirectoryExists(dir);
}
