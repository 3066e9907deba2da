#include "editors/edit/formats/cxformatpatterns.h"

#include <array>

#include "editors/edit/formats/cxwholechars.h"
#include "editors/foundation/core/cxtext.h"

std::string DateEditPattern(const std::string& shortDateFormat)
{
    const std::string& s = shortDateFormat;
    std::string result;
    char quote = 0;
    char before = 0; // the character before, when it is one byte
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t next = cxNextCharOffset(s, i);
        const char c = next - i == 1 ? s[i] : 0;
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if ((c == 'd' || c == 'M') && before != c && (next >= s.size() || s[next] != c)) {
            result += c;
        }
        result.append(s, i, next - i);
        before = c;
        i = next;
    }
    return result;
}

std::string cxCurrencyPattern(const TFormatSettings& settings)
{
    std::string number = ",0." + std::string(settings.CurrencyDecimals, '0');
    std::string currency;
    const std::string& symbol = settings.CurrencyString;
    cxForEachWholeChar(symbol, [&](std::size_t i, std::size_t length) {
        const std::string c = symbol.substr(i, length);
        currency += c == "," || c == "." ? "'" + c + "'" : c;
    });
    // C the currency, N the number, in the order Windows numbers them.
    static constexpr std::array<const char*, 4> kPositive = {"CN", "NC", "C N", "N C"};
    static constexpr std::array<const char*, 16> kNegative = {"(CN)",  "-CN",  "C-N",  "CN-",  "(NC)", "-NC",
                                                              "N-C",   "NC-",  "-N C", "-C N", "N C-", "C N-",
                                                              "C -N",  "N- C", "(C N)", "(N C)"};
    const auto expand = [&](const char* pattern) {
        std::string text;
        for (const char* p = pattern; *p; ++p)
            text += *p == 'C' ? currency : *p == 'N' ? number : std::string(1, *p);
        return text;
    };
    std::string positive, negative;
    if (!symbol.empty() && settings.CurrencyFormat < kPositive.size())
        positive = expand(kPositive[settings.CurrencyFormat]);
    if (settings.NegCurrFormat < kNegative.size())
        negative = expand(kNegative[settings.NegCurrFormat]);
    return positive + ";" + negative;
}

int cxStartOfWeekFromLocale(const std::string& localeText)
{
    const bool number = !localeText.empty() && localeText.size() <= 2 &&
                        localeText.find_first_not_of("0123456789") == std::string::npos;
    const int value = number ? std::stoi(localeText) : 0;
    return (value <= 6 ? value + 1 : 1) % 7;
}
