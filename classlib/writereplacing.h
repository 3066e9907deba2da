// Writing a whole file so that it is either replaced completely or left as it was.
#pragma once

#include <string>

// Writes bytes to a temporary file in fileName's folder and renames it over
// fileName once complete (one folder, so the rename never copies). On
// failure nothing new is left behind: EFCreateError ("Cannot create file
// "<fileName>". <reason>") when the file cannot be made or replaced,
// EWriteError when writing fails.
void WriteFileReplacing(const std::string& fileName, const std::string& bytes);
