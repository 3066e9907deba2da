#include "classlib/directories.h"

#include <windows.h>

#include "classlib/filepaths.h"

namespace {
// The path without separators at its end; a drive's colon stays.
std::string WithoutTrailingSeparators(std::string path)
{
    while (!path.empty() && path.back() != ':' && ExtractFilePath(path).size() == path.size())
        path.pop_back();
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
    std::string dir = WithoutTrailingSeparators(directory);
    if (dir.empty())
        return false;
    // A drive ("d:") cannot be made, only found.
    if (dir.back() == ':')
        return DirectoryExists(dir + "\\");
    if (DirectoryExists(dir))
        return true;
    std::string parent = WithoutTrailingSeparators(ExtractFilePath(dir));
    if (!parent.empty() && !ForceDirectories(parent))
        return false;
    return CreateDirectoryA(dir.c_str(), nullptr) || DirectoryExists(dir);
}
