#include "editors/controls/regexpr/cxregexprclasses.h"

#include <algorithm>

#include "classlib/formatsettings.h"

bool cxRegExprIsBlank(unsigned char c)
{
    return c == 0 || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

unsigned char cxRegExprUpperAscii(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

bool TcxRegExprSymbol::Check(unsigned char c, bool caseInsensitive, const TFormatSettings&) const
{
    const auto own = static_cast<unsigned char>(Symbol);
    return c == own || (caseInsensitive && cxRegExprUpperAscii(c) == cxRegExprUpperAscii(own));
}

std::unique_ptr<TcxRegExprItem> TcxRegExprSymbol::Clone() const
{
    return std::make_unique<TcxRegExprSymbol>(Symbol);
}

bool TcxRegExprTimeSeparator::Check(unsigned char c, bool, const TFormatSettings& settings) const
{
    return c == static_cast<unsigned char>(settings.TimeSeparator);
}

std::unique_ptr<TcxRegExprItem> TcxRegExprTimeSeparator::Clone() const
{
    return std::make_unique<TcxRegExprTimeSeparator>();
}

std::optional<char> TcxRegExprTimeSeparator::Literal(const TFormatSettings& settings) const
{
    return settings.TimeSeparator;
}

bool TcxRegExprDateSeparator::Check(unsigned char c, bool, const TFormatSettings& settings) const
{
    return c == static_cast<unsigned char>(settings.DateSeparator);
}

std::unique_ptr<TcxRegExprItem> TcxRegExprDateSeparator::Clone() const
{
    return std::make_unique<TcxRegExprDateSeparator>();
}

std::optional<char> TcxRegExprDateSeparator::Literal(const TFormatSettings& settings) const
{
    return settings.DateSeparator;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprSubrange::Clone() const
{
    return std::make_unique<TcxRegExprSubrange>(First, Last);
}

bool TcxRegExprUserEnumeration::Check(unsigned char c, bool caseInsensitive, const TFormatSettings& settings) const
{
    const bool found = std::any_of(Items.begin(), Items.end(),
                                   [&](const auto& item) { return item->Check(c, caseInsensitive, settings); });
    return found != Inverse;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprUserEnumeration::Clone() const
{
    auto copy = std::make_unique<TcxRegExprUserEnumeration>(Inverse);
    for (const auto& item : Items)
        copy->Add(item->Clone());
    return copy;
}

bool TcxRegExprDigit::Check(unsigned char c, bool, const TFormatSettings&) const
{
    return (c >= '0' && c <= '9') != Inverse;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprDigit::Clone() const
{
    return std::make_unique<TcxRegExprDigit>(Inverse);
}

bool TcxRegExprIdLetter::Check(unsigned char c, bool, const TFormatSettings&) const
{
    const unsigned char upper = cxRegExprUpperAscii(c);
    return ((upper >= 'A' && upper <= 'Z') || (c >= '0' && c <= '9') || c == '_') != Inverse;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprIdLetter::Clone() const
{
    return std::make_unique<TcxRegExprIdLetter>(Inverse);
}

bool TcxRegExprSpace::Check(unsigned char c, bool, const TFormatSettings&) const
{
    return cxRegExprIsBlank(c) != Inverse;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprSpace::Clone() const
{
    return std::make_unique<TcxRegExprSpace>(Inverse);
}

std::unique_ptr<TcxRegExprItem> TcxRegExprAll::Clone() const
{
    return std::make_unique<TcxRegExprAll>();
}
