#include "calculator/numberwords.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "calculator/calcerror.h"
#include "calculator/numbertext.h"

namespace {

constexpr std::array<std::string_view, 10> kDigits = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
constexpr std::string_view kZero = kDigits[0];
constexpr std::string_view kOne = kDigits[1];
constexpr std::string_view kTen = "拾";
constexpr std::string_view kHundred = "佰";
constexpr std::string_view kThousand = "仟";
constexpr std::string_view kTenThousand = "万";
constexpr std::string_view kHundredMillion = "亿";
constexpr std::string_view kYuan = "元";
constexpr std::string_view kPoint = "点";
constexpr std::array<std::string_view, 2> kCentUnits = {"角", "分"};

// Words hold only double-byte characters, all as wide as 零.
constexpr std::size_t kCharBytes = kZero.size();

enum class Remove { Nothing, Zero, One, LastCharacter };
enum class Append { Nothing, Ten, Hundred, Thousand, TenThousand, HundredMillion, Ending, TenThousandOrZero };

struct Step {
    Remove remove = Remove::Nothing;
    Append append = Append::Nothing;
};

// What follows a digit at power of ten p, for a digit 1..9 and for a 0.
struct UnitStep {
    Step digit;
    Step zero;
};

// Indexed by p; places from 10^13 up take no unit at all.
constexpr std::array<UnitStep, 13> kUnitSteps = {{
    /*  0 */ {{Remove::Zero, Append::Ending}, {Remove::Zero, Append::Ending}},
    /*  1 */ {{Remove::Nothing, Append::Ten}, {}},
    /*  2 */ {{Remove::Nothing, Append::Hundred}, {}},
    /*  3 */ {{Remove::Nothing, Append::Thousand}, {}},
    /*  4 */ {{Remove::Nothing, Append::TenThousand}, {Remove::LastCharacter, Append::TenThousandOrZero}},
    /*  5 */ {{Remove::One, Append::Ten}, {}},
    /*  6 */ {{Remove::Nothing, Append::Hundred}, {}},
    /*  7 */ {{Remove::Nothing, Append::Thousand}, {}},
    /*  8 */ {{Remove::Nothing, Append::HundredMillion}, {Remove::Zero, Append::HundredMillion}},
    /*  9 */ {{Remove::Nothing, Append::Ten}, {}},
    /* 10 */ {{Remove::Nothing, Append::Hundred}, {}},
    /* 11 */ {{Remove::Nothing, Append::Thousand}, {}},
    /* 12 */ {{Remove::Nothing, Append::TenThousand}, {}},
}};

bool endsWith(const std::string& words, std::string_view tail)
{
    return std::string_view(words).ends_with(tail);
}

void removeTrailing(std::string& words, std::string_view tail)
{
    if (endsWith(words, tail)) {
        words.resize(words.size() - tail.size());
    }
}

// A run of zeros is written as one 零.
void digitStep(std::string& words, int digit)
{
    if (digit != 0) {
        words += kDigits[digit];
    } else if (!endsWith(words, kZero)) {
        words += kZero;
    }
}

void unitStep(std::string& words, const Step& step, std::string_view ending)
{
    switch (step.remove) {
    case Remove::Nothing: break;
    case Remove::Zero: removeTrailing(words, kZero); break;
    case Remove::One: removeTrailing(words, kOne); break;
    case Remove::LastCharacter:
        words.resize(words.size() >= kCharBytes ? words.size() - kCharBytes : 0);
        break;
    }
    switch (step.append) {
    case Append::Nothing: break;
    case Append::Ten: words += kTen; break;
    case Append::Hundred: words += kHundred; break;
    case Append::Thousand: words += kThousand; break;
    case Append::TenThousand: words += kTenThousand; break;
    case Append::HundredMillion: words += kHundredMillion; break;
    case Append::Ending: words += ending; break;
    // An empty ten-thousands group still says 万, unless 亿 stands right before it.
    case Append::TenThousandOrZero: words += endsWith(words, kHundredMillion) ? kZero : kTenThousand; break;
    }
}

// Trunc(|value|) as a 64-bit integer; a value without one cannot become words.
std::int64_t integerPart(long double value)
{
    constexpr long double kLimit = 9223372036854775808.0L; // 2^63
    const long double magnitude = std::fabs(value);
    if (!(magnitude < kLimit)) {
        throw ECalcError("number too large for words");
    }
    return static_cast<std::int64_t>(magnitude);
}

std::string integerWords(std::int64_t value, std::string_view ending)
{
    const std::string digits = std::to_string(value);
    std::string words;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = digits[i] - '0';
        const std::size_t power = digits.size() - 1 - i;
        digitStep(words, digit);
        if (power < kUnitSteps.size()) {
            const UnitStep& unit = kUnitSteps[power];
            unitStep(words, digit != 0 ? unit.digit : unit.zero, ending);
        }
    }
    return words;
}

void requireDigits(std::string_view text)
{
    if (text.find_first_not_of("0123456789") != std::string_view::npos) {
        throw ECalcError("no decimal digits for words: " + std::string(text));
    }
}

} // namespace

std::string moneywords(double amount)
{
    std::string words = integerWords(integerPart(amount), kYuan);
    const double magnitude = std::fabs(amount);
    // The digits after "0." of the fraction rounded to cents; none for a whole amount.
    const std::string fraction = FloatToStr(RoundTo(magnitude - std::trunc(magnitude), -2));
    const std::string_view cents = std::string_view(fraction).substr(std::min<std::size_t>(2, fraction.size()));
    requireDigits(cents);
    if (cents.size() > kCentUnits.size()) {
        throw ECalcError("cents out of range: " + fraction);
    }
    for (std::size_t j = 0; j < cents.size(); ++j) {
        const int digit = cents[j] - '0';
        digitStep(words, digit);
        if (digit != 0) {
            words += kCentUnits[j];
        }
    }
    return words;
}

std::string numberwords(const std::string& text)
{
    const long double value = StrToFloat(text);
    std::string words = integerWords(integerPart(value), kPoint);
    const std::size_t point = text.find('.');
    // Without a point there are no decimals to read, also when the value has
    // some (2E-5 reads as 点): the words follow the text as shown.
    if (point == std::string::npos) {
        return words;
    }
    // Decimals exactly as written; an exponent after the point (1.5E20) is no digit.
    const std::string_view decimals = std::string_view(text).substr(point + 1);
    requireDigits(decimals);
    for (const char c : decimals) {
        digitStep(words, c - '0');
    }
    return words;
}
