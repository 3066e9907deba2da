// Initialization files read and written key by key through the profile
// functions, so a missing file or key simply gives the default.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "classlib/colors.h"
#include "classlib/exceptions.h"

class EIniFileException : public Exception { using Exception::Exception; };

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const;
    // Decimal or "$" hex; any other text gives def.
    int ReadInteger(const std::string& section, const std::string& ident, int def) const;
    // An integer, anything but 0 meaning true; any other text gives def.
    bool ReadBool(const std::string& section, const std::string& ident, bool def) const;
    // A colour name or "$" and hex digits; an empty or missing value gives
    // current back, a text that is neither raises EConvertError.
    TColor ReadColor(const std::string& section, const std::string& ident, TColor current) const;

    // True when the section holds the key, even with an empty value.
    bool ValueExists(const std::string& section, const std::string& ident) const;

    // Each raises EIniFileException "Unable to write to <file>" when refused.
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& ident, int value);
    // Written as 1 or 0.
    void WriteBool(const std::string& section, const std::string& ident, bool value);
    void WriteColor(const std::string& section, const std::string& ident, TColor value);

private:
    std::string fileName_;
};

// One section of an initialization file read whole by one profile call,
// then its keys looked up as the key-by-key reads would find them: a start
// that reads many keys passes over the file once, not once per key.
class TIniSection {
public:
    TIniSection(const TIniFile& file, const std::string& section);

    std::string ReadString(const std::string& ident, const std::string& def) const;
    int ReadInteger(const std::string& ident, int def) const;
    bool ReadBool(const std::string& ident, bool def) const;

private:
    // The first line of a key counts; a line without "=" has no value.
    std::vector<std::pair<std::string, std::optional<std::string>>> entries_;
};
