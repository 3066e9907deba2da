#include "editors/edit/variants/cxextended.h"

#include <bit>

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kDoubleInfinity = std::uint64_t{0x7FF} << 52;
constexpr std::uint64_t kDoubleQuiet = std::uint64_t{1} << 51;

// mantissa >> shift rounded to nearest, ties to even; shift 1..64.
std::uint64_t ShiftRounded(std::uint64_t mantissa, int shift)
{
    if (shift > 64)
        return 0;
    std::uint64_t kept = shift == 64 ? 0 : mantissa >> shift;
    std::uint64_t dropped = shift == 64 ? mantissa : mantissa & ((std::uint64_t{1} << shift) - 1);
    std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (dropped > half || (dropped == half && (kept & 1)))
        ++kept;
    return kept;
}

} // namespace

double cxExtendedToDouble(const std::uint8_t (&bytes)[cxExtendedSize])
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = mantissa << 8 | bytes[i];
    unsigned signExponent = bytes[8] | unsigned{bytes[9]} << 8;
    std::uint64_t sign = std::uint64_t{signExponent >> 15} << 63;
    int exponent = static_cast<int>(signExponent & 0x7FFF);

    if (exponent == 0x7FFF) {
        // The integer bit does not matter here: what follows it tells Inf from NaN.
        std::uint64_t fraction = mantissa & ~kTopBit;
        if (fraction == 0)
            return std::bit_cast<double>(sign | kDoubleInfinity);
        return std::bit_cast<double>(sign | kDoubleInfinity | kDoubleQuiet | (fraction >> 11));
    }
    if (mantissa == 0)
        return std::bit_cast<double>(sign);

    // Denormals and unnormals: bring the integer bit to the top.
    int unbiased = (exponent == 0 ? 1 : exponent) - kExtendedBias;
    int lead = std::countl_zero(mantissa);
    mantissa <<= lead;
    unbiased -= lead;

    if (unbiased > kDoubleBias)
        return std::bit_cast<double>(sign | kDoubleInfinity);
    if (unbiased >= 1 - kDoubleBias) {
        std::uint64_t rounded = ShiftRounded(mantissa, 11);
        if (rounded >> 53) {
            rounded >>= 1;
            if (++unbiased > kDoubleBias)
                return std::bit_cast<double>(sign | kDoubleInfinity);
        }
        auto biased = static_cast<std::uint64_t>(unbiased + kDoubleBias);
        return std::bit_cast<double>(sign | biased << 52 | (rounded & kFractionMask));
    }
    // Subnormal: counted in units of 2^-1074; a carry into bit 52 makes the
    // smallest normal, which these bits already spell.
    int shift = -1011 - unbiased;
    return std::bit_cast<double>(sign | ShiftRounded(mantissa, shift));
}

void cxDoubleToExtended(double value, std::uint8_t (&bytes)[cxExtendedSize])
{
    auto bits = std::bit_cast<std::uint64_t>(value);
    unsigned sign = static_cast<unsigned>(bits >> 63);
    int exponent = static_cast<int>(bits >> 52 & 0x7FF);
    std::uint64_t fraction = bits & kFractionMask;

    std::uint64_t mantissa = 0;
    unsigned biased = 0;
    if (exponent == 0x7FF) {
        biased = 0x7FFF;
        mantissa = kTopBit | fraction << 11;
    } else if (exponent != 0) {
        biased = static_cast<unsigned>(exponent - kDoubleBias + kExtendedBias);
        mantissa = kTopBit | fraction << 11;
    } else if (fraction != 0) {
        mantissa = fraction << 11;
        int lead = std::countl_zero(mantissa);
        mantissa <<= lead;
        biased = static_cast<unsigned>(1 - kDoubleBias - lead + kExtendedBias);
    }
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    unsigned signExponent = sign << 15 | biased;
    bytes[8] = static_cast<std::uint8_t>(signExponent);
    bytes[9] = static_cast<std::uint8_t>(signExponent >> 8);
}
