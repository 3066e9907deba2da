#include "calculator/calcpasses.h"

#include "calculator/calcarith.h"
#include "calculator/calcengine.h"
#include "calculator/calckeywords.h"
#include "calculator/numbertext.h"

#include <cmath>

namespace {

using TUnary = long double (*)(long double);
using TBinary = long double (*)(long double, long double);

template <TUnary F>
std::string OnLeft(const std::string& left, const std::string&)
{
    return FloatToStr(F(StrToFloat(left)));
}

template <TUnary F>
std::string OnRight(const std::string&, const std::string& right)
{
    return FloatToStr(F(StrToFloat(right)));
}

template <TBinary F>
std::string OnBoth(const std::string& left, const std::string& right)
{
    const long double a = StrToFloat(left);
    return FloatToStr(F(a, StrToFloat(right)));
}

std::string PiText(const std::string&, const std::string&)
{
    return FloatToStr(kCalcPi);
}

long double Square(long double x) { return CheckedResult(x * x); }
long double Truncate(long double x) { return static_cast<long double>(Trunc64(x)); }
long double RoundToWhole(long double x) { return static_cast<long double>(Round64(x)); }
long double Absolute(long double x) { return x < 0 ? -x : x; }
long double Fraction(long double x) { return x - std::trunc(x); }

std::string Sin(const std::string&, const std::string& right)
{
    return TCalcEngine::is180multiple(right) ? "0" : FloatToStr(SinDegrees(StrToFloat(right)));
}

std::string Cos(const std::string&, const std::string& right)
{
    return TCalcEngine::is90multiple(right) ? "0" : FloatToStr(CosDegrees(StrToFloat(right)));
}

std::string Tan(const std::string&, const std::string& right)
{
    if (TCalcEngine::is180multiple(right)) {
        return "0";
    }
    if (TCalcEngine::is90multiple(right)) {
        return std::string(kTanInvalidText);
    }
    return FloatToStr(TanDegrees(StrToFloat(right)));
}

}  // namespace

const TPassToken* TCalcPass::find(std::string_view candidate) const
{
    for (const TPassToken& entry : tokens) {
        if (!entry.name.empty() && SameUpper(candidate, entry.name)) {
            return &entry;
        }
    }
    return nullptr;
}

const std::array<TCalcPass, kCalcPassCount> calcpasses = {{
    {{{{"PI", PiText}}}, TPassOperands::None},
    {{{{"!", OnLeft<Factorial>}}}, TPassOperands::Left},
    {{{{"^", OnBoth<Power>}}}, TPassOperands::Both},
    {{{{"SQR", OnRight<Square>}}}, TPassOperands::Right},
    {{{{"SQRT", OnRight<SquareRoot>}}}, TPassOperands::Right},
    {{{{"%", OnBoth<Modulo>}}}, TPassOperands::Both},
    {{{{"INT", OnRight<Truncate>}, {"TRUNC", OnRight<Truncate>}}}, TPassOperands::Right},
    {{{{"ROUND", OnRight<RoundToWhole>}}}, TPassOperands::Right},
    {{{{"ABS", OnRight<Absolute>}}}, TPassOperands::Right},
    {{{{"FRAC", OnRight<Fraction>}}}, TPassOperands::Right},
    {{{{"ARCTAN", OnRight<ArcTanDegrees>}}}, TPassOperands::Right},
    {{{{"SIN", Sin}}}, TPassOperands::Right},
    {{{{"COS", Cos}}}, TPassOperands::Right},
    {{{{"TAN", Tan}}}, TPassOperands::Right},
    {{{{"ARCSIN", OnRight<ArcSinDegrees>}}}, TPassOperands::Right},
    {{{{"ARCCOS", OnRight<ArcCosDegrees>}}}, TPassOperands::Right},
    {{{{"LN", OnRight<NaturalLog>}}}, TPassOperands::Right},
    {{{{"LOG2", OnRight<Log2>}}}, TPassOperands::Right},
    {{{{"LOG10", OnRight<Log10>}}}, TPassOperands::Right},
    {{{{"*", OnBoth<Multiply>}, {"/", OnBoth<Divide>}}}, TPassOperands::Both},
    {{{{"+", OnBoth<Add>}, {"-", OnBoth<Subtract>}}}, TPassOperands::Both},
}};
