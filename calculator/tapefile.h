// Tape files ("temp.txt" and the user's own): GBK text, one tape line per
// text line. No window here, so the host build runs the same code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The autosave file in the program's folder.
inline constexpr char kTapeAutosaveName[] = "temp.txt";

// Every line, the last one too, ended by CR LF; bytes kept as they are.
std::string TapeFileText(const std::vector<std::string>& lines);
// CR, LF and CR LF each end a line; a last line without an ending counts.
std::vector<std::string> TapeFileLines(std::string_view text);
