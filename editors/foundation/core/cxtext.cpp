#include "editors/foundation/core/cxtext.h"

#include "classlib/charcase.h"
#include "classlib/gbkchars.h"

namespace {
bool InRange(const std::string& s, int pos)
{
    return pos >= 1 && static_cast<std::size_t>(pos) <= s.size();
}
} // namespace

std::string cxTextBeforeSeparator(const std::string& s)
{
    return s.substr(0, s.find('|'));
}

int cxAnsiCompareText(const std::string& a, const std::string& b)
{
    return AnsiCompareText(a, b);
}

std::size_t cxNextCharOffset(const std::string& s, std::size_t i)
{
    return GbkNextCharOffset(s, i);
}

const char* cxCharPtrAt(const std::string& s, int pos)
{
    return s.data() + (InRange(s, pos) ? pos - 1 : s.size());
}

int cxCharSizeAt(const std::string& s, int pos)
{
    if (!InRange(s, pos))
        return 0;
    auto i = static_cast<std::size_t>(pos - 1);
    return static_cast<int>(cxNextCharOffset(s, i) - i);
}

bool cxIsComplexCharsetFor(int charset, const std::string& text)
{
    if (text.empty() || static_cast<unsigned char>(text[0]) < 0x80)
        return false;
    return charset == 134 || charset == 136 || charset == 178;
}
