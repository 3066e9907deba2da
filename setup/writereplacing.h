// Writing a whole file so that it is either replaced completely or left as it was.
#pragma once

#include <string>

// Writes bytes to a temporary file in folder, the folder of fileName, and
// renames it over fileName once complete: the rename stays on one volume, so
// it never copies. On failure nothing new is left behind and EFCreateError
// says "Cannot create file "<fileName>". <reason>".
void WriteFileReplacing(const std::string& folder, const std::string& fileName, const std::string& bytes);
