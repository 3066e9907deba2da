#include "editors/controls/regexpr/cxregexprtexts.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<unsigned, const char*>, 24> kEnglishTexts{{
    {cxSRegExprErrors, "Regular expression errors:"},
    {cxSRegExprLine, "Line"},
    {cxSRegExprChar, "Char"},
    {cxSRegExprNotAssignedSourceStream, "The source stream is not assigned"},
    {cxSRegExprEmptySourceStream, "The source stream is empty"},
    {cxSRegExprMissing, "Missing '%s'"},
    {cxSRegExprUnnecessary, "Unnecessary '%s'"},
    {cxSRegExprSpaceAfterBackslash, "The space character is not allowed after '\\'"},
    {cxSRegExprHexNumberExpected0, "Hexadecimal number expected"},
    {cxSRegExprHexNumberExpected, "Hexadecimal number expected but '%s' found"},
    {cxSRegExprIllegalSymbol, "Illegal '%s'"},
    {cxSRegExprIllegalQuantifier, "Illegal quantifier '%s'"},
    {cxSRegExprCantUseStar, "The '*' quantifier cannot be applied here"},
    {cxSRegExprCantUsePlus, "The '+' quantifier cannot be applied here"},
    {cxSRegExprIncorrectParameterQuantifier, "Incorrect parameter quantifier"},
    {cxSRegExprCantUseParameterQuantifier, "The parameter quantifier cannot be applied here"},
    {cxSRegExprEmptyAlt, "The alternative should not be empty"},
    {cxSRegExprEmptyBlock, "The block should not be empty"},
    {cxSRegExprIllegalIntegerValue, "Illegal integer value"},
    {cxSRegExprTooBigReferenceNumber, "Too big reference number"},
    {cxSRegExprCantCreateEmptyEnum, "Can't create empty enumeration"},
    {cxSRegExprSubrangeOrder, "The starting character of the subrange must be less than the finishing one"},
    {cxSRegExprTooComplex, "The expression is too complex"},
    {cxSRegExprNotCompiled, "Regular expression is not compiled"},
}};

} // namespace

std::string cxRegExprEnglishText(unsigned id)
{
    for (const auto& [key, text] : kEnglishTexts)
        if (key == id)
            return text;
    return {};
}

std::string cxFormatText(std::string_view text, std::string_view argument)
{
    std::string result(text);
    if (std::size_t at = result.find("%s"); at != std::string::npos)
        result.replace(at, 2, argument);
    return result;
}
