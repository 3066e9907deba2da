#include "editors/controls/spin/cxspinnumbertext.h"

#include <cfloat>
#include <cstdint>
#include <string>

#include "classlib/blanks.h"
#include "classlib/floattext.h"

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// An exponent this far past the digits overflows whatever the digits are.
constexpr int kExponentCap = 40;

// The sign, digits and exponent of a whole-number text; exponent capped at
// +-kExponentCap (enough to tell overflow and fractions apart).
struct TWholeText {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

std::optional<TWholeText> ScanWhole(std::string_view text)
{
    TWholeText scanned;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        scanned.Negative = text[i++] == '-';
    const std::size_t first = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == first)
        return std::nullopt;
    scanned.Digits = text.substr(first, i - first);
    if (i == text.size())
        return scanned;
    if (text[i] != 'e' && text[i] != 'E')
        return std::nullopt;
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negativeExponent = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    int exponent = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
        if (exponent < kExponentCap)
            exponent = exponent * 10 + (text[i] - '0');
    }
    scanned.Exponent = negativeExponent ? -exponent : exponent;
    return scanned;
}

std::optional<std::int64_t> WholeNumber(std::string_view text)
{
    auto scanned = ScanWhole(text);
    if (!scanned)
        return std::nullopt;
    std::string& digits = scanned->Digits;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return std::int64_t{0};
    if (scanned->Exponent < 0) {
        // The digits dropped must all be zeros.
        const auto dropped = static_cast<std::size_t>(-scanned->Exponent);
        if (dropped > digits.size() || digits.find_first_not_of('0', digits.size() - dropped) != std::string::npos)
            return std::nullopt;
        digits.resize(digits.size() - dropped);
    } else {
        digits.append(static_cast<std::size_t>(scanned->Exponent), '0');
    }
    const std::uint64_t limit = scanned->Negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    std::uint64_t magnitude = 0;
    for (const char c : digits) {
        if (__builtin_mul_overflow(magnitude, std::uint64_t{10}, &magnitude) ||
            __builtin_add_overflow(magnitude, static_cast<std::uint64_t>(c - '0'), &magnitude) || magnitude > limit)
            return std::nullopt;
    }
    if (!scanned->Negative)
        return static_cast<std::int64_t>(magnitude);
    return magnitude == limit ? INT64_MIN : -static_cast<std::int64_t>(magnitude);
}

std::optional<double> FloatNumber(std::string_view text, const TFormatSettings& settings)
{
    long double value = 0;
    if (!TryStrToFloat(text, value, settings) || !(value >= -DBL_MAX && value <= DBL_MAX))
        return std::nullopt;
    return static_cast<double>(value);
}

} // namespace

std::optional<TcxSpinNumber> cxSpinTextToNumber(std::string_view text, TcxSpinEditValueType type,
                                                const TFormatSettings& settings)
{
    text = TrimBlanks(text);
    if (type == vtFloat) {
        if (const auto value = FloatNumber(text, settings))
            return *value;
        return std::nullopt;
    }
    if (const auto value = WholeNumber(text))
        return *value;
    return std::nullopt;
}
