// Where the running program lives, and whether a file is there.
#pragma once

#include <string>

// The folder part of a file name, with its trailing separator; empty when
// the name has none.
std::string ExtractFilePath(const std::string& fileName);
// The name after the folder part.
std::string ExtractFileName(const std::string& fileName);
// The name part's extension without its dot; empty when it has none.
std::string ExtractFileExtension(const std::string& fileName);
// The folder of the running program file, with a trailing backslash.
std::string ProgramFolder();
// True when the name is an existing file (not a folder).
bool FileExists(const std::string& fileName);
