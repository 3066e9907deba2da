#include "editors/controls/text/cxformatfloat.h"

#include <cmath>
#include <vector>

#include "classlib/floattext.h"
#include "editors/foundation/core/cxtext.h"

namespace {

constexpr int kSignificantDigits = 15;
constexpr std::size_t kMaxSections = 3;

bool IsQuote(char c)
{
    return c == '\'' || c == '"';
}

std::vector<std::string> SplitSections(const std::string& format)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (std::size_t i = 0; i < format.size();) {
        const std::size_t next = cxNextCharOffset(format, i);
        const char c = format[i];
        if (next == i + 1 && quote == 0 && c == ';') {
            if (sections.size() == kMaxSections)
                break;
            sections.emplace_back();
        } else {
            if (next == i + 1 && (quote == c || (quote == 0 && IsQuote(c))))
                quote = quote ? 0 : c;
            sections.back().append(format, i, next - i);
        }
        i = next;
    }
    return sections;
}

struct TItem {
    enum TKind { Digit, Point, Exponent, Literal } Kind;
    std::string Text;
    // Exponent: its letter, whether '+' signs it, its least digits.
    bool Plus = false;
    int Zeros = 0;
};

struct TLayout {
    std::vector<TItem> Items;
    int IntCount = 0, FracCount = 0, MinInt = 0, MinFrac = 0;
    bool Grouping = false, Scientific = false;
};

TLayout Parse(const std::string& section)
{
    TLayout layout;
    bool afterPoint = false, afterExponent = false;
    int firstIntZero = -1;
    char quote = 0;
    auto literal = [&](std::size_t at, std::size_t length) {
        if (layout.Items.empty() || layout.Items.back().Kind != TItem::Literal)
            layout.Items.push_back({TItem::Literal, {}});
        layout.Items.back().Text.append(section, at, length);
    };
    for (std::size_t i = 0; i < section.size();) {
        std::size_t next = cxNextCharOffset(section, i);
        const char c = section[i];
        if (next > i + 1) {
            literal(i, next - i);
        } else if (quote) {
            if (c == quote)
                quote = 0;
            else
                literal(i, 1);
        } else if (IsQuote(c)) {
            quote = c;
        } else if (afterExponent) {
            literal(i, 1);
        } else if (c == '0' || c == '#') {
            layout.Items.push_back({TItem::Digit, {}});
            if (afterPoint && c == '0')
                layout.MinFrac = layout.FracCount + 1;
            if (!afterPoint && c == '0' && firstIntZero < 0)
                firstIntZero = layout.IntCount;
            ++(afterPoint ? layout.FracCount : layout.IntCount);
        } else if (c == '.') {
            if (!afterPoint)
                layout.Items.push_back({TItem::Point, {}});
            afterPoint = true;
        } else if (c == ',') {
            layout.Grouping = true;
        } else if ((c == 'E' || c == 'e') && next < section.size() && (section[next] == '+' || section[next] == '-')) {
            TItem exponent{TItem::Exponent, std::string(1, c), section[next] == '+'};
            for (++next; next < section.size() && section[next] == '0'; ++next)
                ++exponent.Zeros;
            layout.Items.push_back(exponent);
            layout.Scientific = afterExponent = true;
        } else {
            literal(i, 1);
        }
        i = next;
    }
    layout.MinInt = firstIntZero < 0 ? 0 : layout.IntCount - firstIntZero;
    return layout;
}

// value = 0.Digits * 10^Exponent; no digits: zero.
struct TDigits {
    std::string Digits;
    int Exponent = 0;
};

// The first `keep` digits, rounded half away from zero by the next one.
TDigits Rounded(const TFloatRec& rec, int keep)
{
    TDigits r{rec.Digits == "0" ? std::string() : rec.Digits, rec.Exponent};
    if (keep < 0 || r.Digits.empty())
        return {};
    if (static_cast<std::size_t>(keep) >= r.Digits.size())
        return r;
    const bool up = r.Digits[static_cast<std::size_t>(keep)] >= '5';
    r.Digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t k = r.Digits.size();
        while (k > 0 && r.Digits[k - 1] == '9')
            r.Digits[--k] = '0';
        if (k == 0) {
            r.Digits.insert(r.Digits.begin(), '1');
            ++r.Exponent;
        } else {
            ++r.Digits[k - 1];
        }
    }
    while (!r.Digits.empty() && r.Digits.back() == '0')
        r.Digits.pop_back();
    return r.Digits.empty() ? TDigits{} : r;
}

// The digits the placeholders show, and the exponent in scientific notation.
struct TShown {
    std::string Int, Frac;
    int Exponent = 0;
    bool Zero = true;
};

TShown Shown(const TLayout& layout, double value)
{
    const TFloatRec rec = FloatToDecimal(std::fabs(value), kSignificantDigits);
    TShown shown;
    TDigits r;
    if (layout.Scientific) {
        r = Rounded(rec, std::max(layout.IntCount + layout.FracCount, 1));
        if (!r.Digits.empty()) {
            std::string all = r.Digits;
            all.resize(std::max(all.size(), static_cast<std::size_t>(layout.IntCount)), '0');
            shown.Int = all.substr(0, static_cast<std::size_t>(layout.IntCount));
            shown.Frac = all.substr(static_cast<std::size_t>(layout.IntCount));
            shown.Exponent = r.Exponent - layout.IntCount;
        }
    } else {
        r = Rounded(rec, rec.Exponent + layout.FracCount);
        const auto whole = static_cast<std::size_t>(std::max(r.Exponent, 0));
        shown.Int = r.Digits.substr(0, std::min(whole, r.Digits.size()));
        shown.Int.resize(r.Digits.empty() ? 0 : whole, '0');
        shown.Frac = r.Exponent >= 0 ? r.Digits.substr(std::min(whole, r.Digits.size()))
                                     : std::string(static_cast<std::size_t>(-r.Exponent), '0') + r.Digits;
    }
    shown.Zero = r.Digits.empty();
    while (!shown.Frac.empty() && shown.Frac.back() == '0')
        shown.Frac.pop_back();
    if (shown.Frac.size() < static_cast<std::size_t>(layout.MinFrac))
        shown.Frac.resize(static_cast<std::size_t>(layout.MinFrac), '0');
    if (shown.Int.size() < static_cast<std::size_t>(layout.MinInt))
        shown.Int.insert(0, static_cast<std::size_t>(layout.MinInt) - shown.Int.size(), '0');
    return shown;
}

std::string Emit(const TLayout& layout, const TShown& shown, bool minus, const TFormatSettings& settings)
{
    std::string out = minus && !shown.Zero ? "-" : "";
    const long long n = static_cast<long long>(shown.Int.size());
    auto intDigits = [&](long long from, long long to) {
        for (long long i = std::max(from, 0LL); i < std::min(to, n); ++i) {
            out += shown.Int[static_cast<std::size_t>(i)];
            const long long place = n - 1 - i;
            if (layout.Grouping && settings.ThousandSeparator && place > 0 && place % 3 == 0)
                out += settings.ThousandSeparator;
        }
    };
    long long intSeen = 0;
    std::size_t fracSeen = 0;
    bool afterPoint = false;
    for (const TItem& item : layout.Items) {
        switch (item.Kind) {
        case TItem::Digit:
            if (afterPoint) {
                if (fracSeen < shown.Frac.size())
                    out += shown.Frac[fracSeen];
                ++fracSeen;
            } else {
                // The i-th of k placeholders shows digit n - k + i; the first also all before it.
                const long long at = n - layout.IntCount + intSeen;
                intDigits(intSeen == 0 ? 0 : at, at + 1);
                ++intSeen;
            }
            break;
        case TItem::Point:
            if (layout.IntCount == 0)
                intDigits(0, n);
            if (!shown.Frac.empty())
                out += settings.DecimalSeparator;
            afterPoint = true;
            break;
        case TItem::Exponent: {
            out += item.Text;
            if (shown.Exponent < 0)
                out += '-';
            else if (item.Plus)
                out += '+';
            const std::string digits = std::to_string(std::abs(shown.Exponent));
            if (static_cast<int>(digits.size()) < item.Zeros)
                out.append(static_cast<std::size_t>(item.Zeros) - digits.size(), '0');
            out += digits;
            break;
        }
        case TItem::Literal:
            out += item.Text;
            break;
        }
    }
    return out;
}

} // namespace

std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings)
{
    if (!std::isfinite(value))
        return FloatToStr(value, settings);
    const std::vector<std::string> sections = SplitSections(format);
    std::size_t index = 0;
    if (value < 0 && sections.size() > 1 && !sections[1].empty())
        index = 1;
    else if (value == 0 && sections.size() > 2 && !sections[2].empty())
        index = 2;
    if (sections[index].empty())
        return FloatToStr(value, settings);
    const TLayout layout = Parse(sections[index]);
    return Emit(layout, Shown(layout, value), value < 0 && index == 0, settings);
}
