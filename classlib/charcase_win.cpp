// ASCII letters are converted here; the double-byte characters go to the
// system together, and each conversion is kept only when it converts back,
// so a character the code page cannot map never comes back as another one.
#include <windows.h>

#include <vector>

#include "classlib/asciicase.h"
#include "classlib/charcase.h"

namespace {

void SystemCase(std::string& text, bool upper)
{
    if (upper)
        CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    else
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
}

// GBK trail bytes; a pair with any other second byte is not a character.
bool IsTrailByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

bool ConvertsBack(std::string_view original, std::string_view converted, bool upper)
{
    if (!IsGbkLeadByte(converted[0]) || !IsTrailByte(converted[1]))
        return false;
    std::string back(converted);
    SystemCase(back, !upper);
    return back == original;
}

std::string Convert(const std::string& text, bool upper)
{
    std::string result = text;
    std::string pairs;
    std::vector<std::size_t> offsets;
    ConvertSingleBytes(result, upper, [&](std::size_t i) {
        if (IsTrailByte(text[i + 1])) {
            offsets.push_back(i);
            pairs.append(text, i, 2);
        }
    });
    if (pairs.empty())
        return result;
    std::string converted = pairs;
    SystemCase(converted, upper);
    for (std::size_t k = 0; k < offsets.size(); ++k) {
        const std::string_view before(pairs.data() + 2 * k, 2), after(converted.data() + 2 * k, 2);
        if (after != before && ConvertsBack(before, after, upper))
            result.replace(offsets[k], 2, after);
    }
    return result;
}

} // namespace

std::string AnsiUpperCase(const std::string& text)
{
    return Convert(text, true);
}

std::string AnsiLowerCase(const std::string& text)
{
    return Convert(text, false);
}

int AnsiCompareText(const std::string& a, const std::string& b)
{
    const std::string x = AnsiUpperCase(a), y = AnsiUpperCase(b);
    if (x == y)
        return 0;
    const int order = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.data(), static_cast<int>(x.size()),
                                     y.data(), static_cast<int>(y.size()));
    if (order == CSTR_LESS_THAN || order == CSTR_GREATER_THAN)
        return order - CSTR_EQUAL;
    // The system finds them alike (a lone byte reads as '?', some marks
    // weigh nothing): their bytes decide.
    return x < y ? -1 : 1;
}
