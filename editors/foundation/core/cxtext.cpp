#include "editors/foundation/core/cxtext.h"

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

std::size_t cxNextCharOffset(const std::string& s, std::size_t i)
{
    if (i >= s.size())
        return s.size();
    auto lead = static_cast<unsigned char>(s[i]);
    // A GBK lead byte takes the byte after it, unless the text ends there.
    return lead >= 0x81 && lead <= 0xFE && i + 1 < s.size() ? i + 2 : i + 1;
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
