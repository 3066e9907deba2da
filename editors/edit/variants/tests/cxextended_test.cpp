#include "editors/edit/variants/cxextended.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

using Bytes = std::uint8_t[cxExtendedSize];

struct Extended {
    std::uint64_t mantissa;
    unsigned signExponent;
};

void Spell(const Extended& e, Bytes& bytes)
{
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(e.mantissa >> (8 * i));
    bytes[8] = static_cast<std::uint8_t>(e.signExponent);
    bytes[9] = static_cast<std::uint8_t>(e.signExponent >> 8);
}

double FromExtended(const Extended& e)
{
    Bytes bytes;
    Spell(e, bytes);
    return cxExtendedToDouble(bytes);
}

constexpr std::uint64_t kTop = std::uint64_t{1} << 63;
const double kMinSub = std::numeric_limits<double>::denorm_min();

} // namespace

TEST(Extended, ReadsAsTheNearestDouble)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        Extended e;
        double expected;
    };
    const Case cases[] = {
        {"one", {kTop, 0x3FFF}, 1.0},
        {"minus two", {kTop, 0xC000}, -2.0},
        {"three quarters", {kTop | kTop >> 1, 0x3FFE}, 0.75},
        {"beyond the double range", {kTop, 0x3FFF + 1024}, inf},
        {"largest double", {~std::uint64_t{0} << 11, 0x3FFF + 1023}, DBL_MAX},
        {"rounds up past the largest double", {~std::uint64_t{0}, 0x3FFF + 1023}, inf},
        {"negative overflow", {kTop, 0xBFFF + 2000}, -inf},
        {"tie rounds to even, down", {kTop | 0x400, 0x3FFF}, 1.0},
        {"tie rounds to even, up", {kTop | 0xC00, 0x3FFF}, 1.0 + 2 * DBL_EPSILON},
        {"above the tie rounds up", {kTop | 0x401, 0x3FFF}, 1.0 + DBL_EPSILON},
        {"carry into the exponent", {~std::uint64_t{0}, 0x3FFF}, 2.0},
        {"smallest normal", {kTop, 0x3FFF - 1022}, DBL_MIN},
        {"smallest subnormal", {kTop, 0x3FFF - 1074}, kMinSub},
        {"half the smallest subnormal: tie to zero", {kTop, 0x3FFF - 1075}, 0.0},
        {"just above that half", {kTop | 1, 0x3FFF - 1075}, kMinSub},
        {"three halves of it: tie to two", {kTop | kTop >> 1, 0x3FFF - 1074}, 2 * kMinSub},
        {"subnormal carrying into the smallest normal", {~std::uint64_t{0}, 0x3FFF - 1023}, DBL_MIN},
        {"far below", {kTop, 1}, 0.0},
        {"negative far below", {kTop, 0x8001}, -0.0},
        {"extended denormal", {1, 0}, 0.0},
        {"unnormal: integer bit clear", {kTop >> 1, 0x4000}, 1.0},
        {"zero", {0, 0}, 0.0},
        {"minus zero", {0, 0x8000}, -0.0},
        {"infinity", {kTop, 0x7FFF}, inf},
        {"minus infinity", {kTop, 0xFFFF}, -inf},
    };
    for (const auto& c : cases) {
        double got = FromExtended(c.e);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(c.expected))
            << c.what << ": " << got << " for " << c.expected;
    }
    EXPECT_TRUE(std::isnan(FromExtended({kTop | 1, 0x7FFF})));
    EXPECT_TRUE(std::isnan(FromExtended({kTop | kTop >> 1, 0xFFFF})));
}

TEST(Extended, EveryKindOfDoubleComesBackBitForBit)
{
    const double values[] = {0.0, -0.0, 1.0, -1.5, 0.1, 1e300, -1e-300, DBL_MAX, DBL_MIN, kMinSub, 3 * kMinSub,
                             DBL_MIN - kMinSub, std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    for (double v : values) {
        Bytes bytes;
        cxDoubleToExtended(v, bytes);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(cxExtendedToDouble(bytes)), std::bit_cast<std::uint64_t>(v)) << v;
    }
    Bytes one;
    cxDoubleToExtended(1.0, one);
    const Bytes expected = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(std::memcmp(one, expected, sizeof one), 0);
}

#if LDBL_MANT_DIG == 64
// Where long double is the x87 extended itself, the processor's own rounding
// is the reference, for normal, denormal and special encodings alike.
TEST(Extended, AgreesWithTheProcessor)
{
    std::mt19937_64 random(27);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t mantissa = random();
        unsigned signExponent = static_cast<unsigned>(random() & 0xFFFF);
        // Around the double range most of the time, where rounding happens.
        if (i % 4 != 0)
            signExponent = (signExponent & 0x8000) | static_cast<unsigned>(0x3FFF - 1100 + random() % 2200);
        unsigned exponent = signExponent & 0x7FFF;
        // Only encodings the processor takes as numbers: the integer bit says normal.
        mantissa = exponent == 0 ? mantissa & ~kTop : mantissa | kTop;
        Bytes bytes;
        Spell({mantissa, signExponent}, bytes);
        long double x = 0;
        std::memcpy(&x, bytes, sizeof bytes);
        double reference = static_cast<double>(x);
        double got = cxExtendedToDouble(bytes);
        if (std::isnan(reference)) {
            EXPECT_TRUE(std::isnan(got));
            continue;
        }
        ASSERT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(reference))
            << std::hex << mantissa << " " << signExponent;
    }
}
#endif
