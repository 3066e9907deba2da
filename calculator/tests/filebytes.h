// Whole files as bytes, for tests that check what a program wrote.
#pragma once

#include <string>

// The file's bytes, or "(missing)" when it cannot be opened.
std::string ReadBytes(const std::string& path);
// Makes or replaces the file with exactly these bytes.
void WriteBytes(const std::string& path, const std::string& bytes);
