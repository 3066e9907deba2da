// GBK texts to UTF-16 and back, as the OleStr variant kind needs them. The
// converter is injected: on Windows it is code page 936 through the system;
// elsewhere the default takes ASCII across and turns every other byte or
// character into "?", and tests set a converter of their own.
#pragma once

#include <string>
#include <string_view>

struct TOleStrConverter {
    std::u16string (*ToOleStr)(std::string_view text) = nullptr;
    std::string (*ToAnsi)(std::u16string_view text) = nullptr;
};

// The converter in use; setting one returns the one it replaces. GUI thread only.
const TOleStrConverter& OleStrConverter();
TOleStrConverter SetOleStrConverter(const TOleStrConverter& converter);
// The system's converter (the default).
TOleStrConverter SystemOleStrConverter();

std::u16string AnsiToOleStr(std::string_view text);
std::string OleStrToAnsi(std::u16string_view text);
