#include "classlib/olestrconvert.h"

namespace {
TOleStrConverter& Current()
{
    static TOleStrConverter converter = SystemOleStrConverter();
    return converter;
}
}  // namespace

const TOleStrConverter& OleStrConverter()
{
    return Current();
}

TOleStrConverter SetOleStrConverter(const TOleStrConverter& converter)
{
    TOleStrConverter previous = Current();
    Current() = converter;
    return previous;
}

std::u16string AnsiToOleStr(std::string_view text)
{
    return Current().ToOleStr(text);
}

std::string OleStrToAnsi(std::u16string_view text)
{
    return Current().ToAnsi(text);
}
