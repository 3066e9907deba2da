#include "classlib/inifile.h"

#include "classlib/inttext.h"

#include <windows.h>

#include <cstring>
#include <string_view>
#include <vector>

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& def) const
{
    std::vector<char> buffer(2048);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(section.c_str(), ident.c_str(), def.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), fileName_.c_str());
        // A value that fills the buffer may have been cut: read it again, bigger.
        if (n + 1 < buffer.size())
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident, int def) const
{
    int value = def;
    return TryStrToInt(ReadString(section, ident, ""), value) ? value : def;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) const
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

TColor TIniFile::ReadColor(const std::string& section, const std::string& ident, TColor current) const
{
    std::string text = ReadString(section, ident, "");
    return text.empty() ? current : StringToColor(text);
}

bool TIniFile::ValueExists(const std::string& section, const std::string& ident) const
{
    // With no key given, the profile function lists the section's keys, each
    // ended by a zero byte; a list that fills the buffer may have been cut.
    std::vector<char> keys(4096);
    DWORD n = 0;
    while ((n = GetPrivateProfileStringA(section.c_str(), nullptr, "", keys.data(), static_cast<DWORD>(keys.size()),
                                         fileName_.c_str())) + 2 >= keys.size())
        keys.resize(keys.size() * 4);
    for (const char* key = keys.data(); *key; key += std::strlen(key) + 1)
        if (_stricmp(key, ident.c_str()) == 0)
            return true;
    return false;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    if (!WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), fileName_.c_str()))
        throw EIniFileException("Unable to write to " + fileName_);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value)
{
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::WriteColor(const std::string& section, const std::string& ident, TColor value)
{
    WriteString(section, ident, ColorToString(value));
}

TIniSection::TIniSection(const TIniFile& file, const std::string& section)
{
    // Lines "key=value", each ended by a zero byte; a list that fills the
    // buffer may have been cut.
    std::vector<char> lines(4096);
    DWORD n = 0;
    while ((n = GetPrivateProfileSectionA(section.c_str(), lines.data(), static_cast<DWORD>(lines.size()),
                                          file.FileName().c_str())) + 2 >= lines.size())
        lines.resize(lines.size() * 4);
    for (const char* line = lines.data(); *line; line += std::strlen(line) + 1) {
        std::string_view text(line);
        size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            entries_.emplace_back(std::string(text), std::nullopt);
            continue;
        }
        std::string_view value = text.substr(equals + 1);
        // The key-by-key read drops one pair of quotes around a value.
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        entries_.emplace_back(std::string(text.substr(0, equals)), std::string(value));
    }
}

std::string TIniSection::ReadString(const std::string& ident, const std::string& def) const
{
    for (const auto& [key, value] : entries_)
        if (_stricmp(key.c_str(), ident.c_str()) == 0)
            return value ? *value : def;
    return def;
}

int TIniSection::ReadInteger(const std::string& ident, int def) const
{
    int value = def;
    return TryStrToInt(ReadString(ident, ""), value) ? value : def;
}

bool TIniSection::ReadBool(const std::string& ident, bool def) const
{
    return ReadInteger(ident, def ? 1 : 0) != 0;
}
