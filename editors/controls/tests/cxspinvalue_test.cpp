// Where a spin step lands: clamping, wrapping, refusing, whole numbers in
// 64 bits and values no type can hold.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>
#include <optional>

#include "editors/controls/spin/cxspinvalue.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TcxSpinSettings Settings(TcxSpinEditValueType type, TcxEditBounds bounds, TcxSpinBoundsMode mode,
                         double increment = 1, double large = 10)
{
    TcxSpinSettings s;
    s.ValueType = type;
    s.Bounds = bounds;
    s.BoundsMode = mode;
    s.Increment = increment;
    s.LargeIncrement = large;
    return s;
}

const TcxEditBounds k0To10{true, true, 0, 10};
const TcxEditBounds kNone{};

TEST(SpinValue, StepsStayInsideTheBounds)
{
    struct Row {
        const char* why;
        TcxSpinSettings settings;
        TcxSpinNumber value;
        TcxSpinButtonKind kind;
        std::optional<TcxSpinNumber> result;
    } rows[] = {
        {"inside", Settings(vtFloat, k0To10, sbmClamp), 4.0, sbkForward, 5.0},
        {"clamped at the top", Settings(vtFloat, k0To10, sbmClamp), 10.0, sbkForward, 10.0},
        {"wraps to the low end", Settings(vtFloat, k0To10, sbmWrap), 10.0, sbkForward, 0.0},
        {"wraps to the high end", Settings(vtFloat, k0To10, sbmWrap), 0.5, sbkBackward, 10.0},
        {"refused without bounds mode", Settings(vtFloat, k0To10, sbmNone), 10.0, sbkForward, std::nullopt},
        {"outside first goes to the nearer bound", Settings(vtFloat, k0To10, sbmClamp), 15.0, sbkBackward, 9.0},
        {"outside, wrapping, to the opposite one", Settings(vtFloat, k0To10, sbmWrap), 15.0, sbkForward, 1.0},
        {"crossed bounds do not apply", Settings(vtFloat, {true, true, 10, 0}, sbmClamp), 50.0, sbkForward, 51.0},
        {"the double range", Settings(vtFloat, kNone, sbmClamp, 1e308), DBL_MAX, sbkForward, DBL_MAX},
        {"vtInt rounds 1.5 up", Settings(vtInt, k0To10, sbmClamp, 1.5), std::int64_t{3}, sbkForward,
         std::int64_t{5}},
        {"vtInt rounds 2.5 to even", Settings(vtInt, k0To10, sbmClamp, 2.5), std::int64_t{3}, sbkBackward,
         std::int64_t{1}},
        {"vtInt widest is 32 bits", Settings(vtInt, kNone, sbmClamp), std::int64_t{INT32_MAX}, sbkForward,
         std::int64_t{INT32_MAX}},
        {"vtInt 64-bit bounds", Settings(vtInt, {true, true, 0, 1e19}, sbmClamp), std::int64_t{INT64_MAX - 1},
         sbkForward, std::int64_t{INT64_MAX}},
        {"vtInt no overflow past the top", Settings(vtInt, {true, true, 0, 1e19}, sbmClamp),
         std::int64_t{INT64_MAX}, sbkFastForward, std::int64_t{INT64_MAX}},
        {"vtInt no overflow past the bottom, wrapping", Settings(vtInt, {true, true, -1e30, 0}, sbmWrap),
         std::int64_t{INT64_MIN}, sbkBackward, std::int64_t{0}},
        {"vtInt value 1e30 saturates", Settings(vtInt, {true, true, 0, 1e30}, sbmClamp), 1e30, sbkBackward,
         std::int64_t{INT64_MAX - 1}},
        {"vtInt increment 1e30 saturates", Settings(vtInt, kNone, sbmClamp, 1e30), std::int64_t{0}, sbkForward,
         std::int64_t{INT32_MAX}},
        {"vtInt lower bound above the widest upper", Settings(vtInt, {true, false, 5e9, 0}, sbmClamp),
         std::int64_t{0}, sbkForward, std::nullopt},
        {"NaN value", Settings(vtFloat, k0To10, sbmClamp), kNaN, sbkForward, std::nullopt},
        {"NaN increment", Settings(vtFloat, k0To10, sbmClamp, kNaN), 1.0, sbkForward, std::nullopt},
        {"NaN bound", Settings(vtFloat, {false, true, 0, kNaN}, sbmClamp), 1.0, sbkForward, std::nullopt},
        {"NaN vtInt bound", Settings(vtInt, {true, false, kNaN, 0}, sbmClamp), std::int64_t{1}, sbkForward,
         std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(cxSpinStep(r.settings, r.value, r.kind), r.result) << r.why;
}

} // namespace
