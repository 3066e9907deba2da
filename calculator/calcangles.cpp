// Angle tests of the trigonometric passes.
#include "calculator/calcengine.h"

#include "calculator/numbertext.h"

#include <cmath>
#include <limits>

namespace {

// The text read as a double, as the tests see it. The remainder by 180 is exact
// at any size, so angles beyond 64-bit integers need no truncation.
double RemainderOf180(std::string_view text)
{
    const long double value = StrToFloat(text);
    if (std::fabs(value) > std::numeric_limits<double>::max()) {
        return 1;  // no double holds it, so no multiple either
    }
    return std::fmod(static_cast<double>(value), 180.0);
}

}  // namespace

bool TCalcEngine::is180multiple(std::string_view text)
{
    return RemainderOf180(text) == 0;
}

bool TCalcEngine::is90multiple(std::string_view text)
{
    return std::fabs(RemainderOf180(text)) == 90;
}
