// Lines of text, read from and written to plain text files: every line
// ends in CR LF when written; CR, LF or CR LF end a line when read.
#pragma once

#include <string>
#include <vector>

class TStringList {
public:
    std::vector<std::string> Lines;

    std::string Text() const;
    void SetText(const std::string& text);
    // EFOpenError when the file cannot be opened or read.
    void LoadFromFile(const std::string& fileName);
    // EFCreateError when it cannot be created, EWriteError when a write fails.
    void SaveToFile(const std::string& fileName) const;
};
