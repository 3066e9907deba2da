// Tape files on disk. Errors are raised, so each caller decides: the
// autosave ignores them, save and import show them.
#pragma once

#include <string>
#include <vector>

// The lines of a tape file. EFOpenError when it cannot be opened,
// EReadError when reading fails.
std::vector<std::string> ReadTapeFile(const std::string& fileName);

// Writes the lines to a new file beside fileName and only then puts it in
// fileName's place, so a failed write leaves the old file as it was.
// EFCreateError when the file cannot be made or replaced, EWriteError when
// writing fails.
void WriteTapeFile(const std::string& fileName, const std::vector<std::string>& lines);

// "temp.txt" in the program's folder.
std::string TapeAutosaveFileName();
