// Folders over GBK path texts: a "\" byte that trails a double-byte
// character is part of that character, never a separator.
#pragma once

#include <string>

bool DirectoryExists(const std::string& directory);
// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& directory);
