#include "editors/controls/tests/standardmask_oracle.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <bitset>
#include <cstdio>

#include "editors/controls/standardmask/cxstandardmask.h"

namespace {

using TByteSet = std::bitset<256>;

void AddRange(TByteSet& set, int first, int last)
{
    for (int c = first; c <= last; ++c)
        set.set(static_cast<std::size_t>(c));
}

// The bytes an item takes, from the item table: letters and digits are ASCII only.
TByteSet TakenBy(const TcxStandardMaskCustomItem& item, char blankChar)
{
    TByteSet set;
    if (const auto* literal = dynamic_cast<const TcxStandardMaskLiteralItem*>(&item)) {
        set.set(static_cast<unsigned char>(literal->LiteralChar));
        return set;
    }
    const auto& data = dynamic_cast<const TcxStandardMaskManyItem&>(item);
    if (dynamic_cast<const TcxStandardMaskASCIIItem*>(&item)) {
        set.set();
    } else {
        AddRange(set, '0', '9');
        if (!dynamic_cast<const TcxStandardMaskNumericItem*>(&item) &&
            !dynamic_cast<const TcxStandardMaskNumericSymbolItem*>(&item)) {
            AddRange(set, 'A', 'Z');
            AddRange(set, 'a', 'z');
        }
        if (dynamic_cast<const TcxStandardMaskAlphaItem*>(&item))
            set &= ~[] { TByteSet digits; AddRange(digits, '0', '9'); return digits; }();
        if (dynamic_cast<const TcxStandardMaskNumericSymbolItem*>(&item))
            set.set('+').set('-');
    }
    if (data.IsOptional)
        set.set(static_cast<unsigned char>(blankChar)).set(' ');
    return set;
}

std::string SetText(const TByteSet& set)
{
    std::string text = "[";
    char buffer[16];
    for (int c = 0; c < 256; ++c)
        if (set.test(static_cast<std::size_t>(c))) {
            std::snprintf(buffer, sizeof buffer, "\\x%02x", c);
            text += buffer;
        }
    return text + "]";
}

} // namespace

std::string cxStandardMaskToPcre2(const TcxStandardMask& mask)
{
    std::string pattern;
    for (std::size_t i = 0; i < mask.Count(); ++i)
        pattern += SetText(TakenBy(mask.Items(i), mask.BlankChar));
    return pattern + "\\z";
}

std::optional<bool> cxStandardMaskPcre2Valid(const TcxStandardMask& mask, const std::string& text)
{
    const std::string pattern = cxStandardMaskToPcre2(mask);
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                     PCRE2_NEVER_UTF | PCRE2_NEVER_UCP, &error, &offset, nullptr);
    if (!code)
        return std::nullopt;
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    const int rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, PCRE2_ANCHORED,
                               data, nullptr);
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    if (rc >= 0 || rc == PCRE2_ERROR_NOMATCH)
        return rc >= 0;
    return std::nullopt;
}
