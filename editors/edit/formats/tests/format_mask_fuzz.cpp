// Arbitrary bytes as the formats, separators, AM/PM texts and month names:
// every result is built without undefined behaviour, and no result holds a
// double-byte character that none of the inputs held (a lead byte of one
// text taking the next byte of the mask as its own).
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "editors/edit/formats/cxformatresults.h"
#include "editors/foundation/core/cxtext.h"

namespace {

// The texts of the input, split at zero bytes.
std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            fields.emplace_back();
        else
            fields.back() += static_cast<char>(data[i]);
    }
    return fields;
}

void CollectChars(const std::string& text, std::set<std::string>& chars)
{
    for (std::size_t i = 0; i < text.size(); i = cxNextCharOffset(text, i))
        if (cxNextCharOffset(text, i) - i == 2)
            chars.insert(text.substr(i, 2));
}

void CheckWhole(const std::string& result, const std::set<std::string>& known)
{
    for (std::size_t i = 0; i < result.size(); i = cxNextCharOffset(result, i))
        if (cxNextCharOffset(result, i) - i == 2 && !known.contains(result.substr(i, 2)))
            __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    TFormatSettings s = ChineseFormatSettings();
    s.DateSeparator = static_cast<char>(data[0]);
    s.TimeSeparator = static_cast<char>(data[1]);
    std::vector<std::string> f = Fields(data + 2, size - 2);
    f.resize(8 + 12);
    s.ShortDateFormat = f[0];
    s.LongTimeFormat = f[1];
    s.ShortTimeFormat = f[2];
    s.LongDateFormat = f[3];
    s.TimeAMString = f[4];
    s.TimePMString = f[5];
    s.CurrencyString = f[6];
    const std::vector<std::string> words = {"today", f[7], "it's"};
    for (int m = 0; m < 12; ++m)
        s.ShortMonthNames[m] = s.LongMonthNames[m] = f[8 + m];

    std::set<std::string> known;
    for (const std::string& field : f)
        CollectChars(field, known);
    const TcxFormatResults r = cxComputeFormatResults(s, words, 1);
    for (const std::string* result : {&r.CurrencyPattern, &r.DateEditPattern, &r.DateMaskStandard, &r.DateMaskRegExpr,
                                      &r.DateTimeMaskRegExpr, &r.DateTimeMaskStandard, &r.DateDisplayFormat,
                                      &r.DateTimeDisplayFormat})
        CheckWhole(*result, known);
    return 0;
}
