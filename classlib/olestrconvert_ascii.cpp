// The converter of builds without a system code page: ASCII only.
#include "classlib/olestrconvert.h"

namespace {
std::u16string AsciiToOleStr(std::string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        result += byte < 0x80 ? static_cast<char16_t>(byte) : u'?';
    }
    return result;
}

std::string OleStrToAscii(std::u16string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char16_t c : text) {
        result += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return result;
}
}  // namespace

TOleStrConverter SystemOleStrConverter()
{
    return {AsciiToOleStr, OleStrToAscii};
}
