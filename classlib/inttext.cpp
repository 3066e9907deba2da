#include "classlib/inttext.h"

#include "classlib/exceptions.h"
#include "classlib/hexdigit.h"

#include <cstdint>
#include <string>

namespace {
// Magnitudes past these cannot be an int, whatever the sign.
constexpr std::uint64_t kDecimalLimit = 2147483648u;  // -2^31
constexpr std::uint64_t kHexLimit = 0xFFFFFFFFu;

int DigitValue(char c, int base)
{
    const auto byte = static_cast<unsigned char>(c);
    if (base == 16) {
        return HexDigitValue(byte);
    }
    return byte >= '0' && byte <= '9' ? byte - '0' : -1;
}
}  // namespace

bool TryStrToInt(std::string_view text, int& value)
{
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        ++at;
    }
    int base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16;
        ++at;
    }
    if (at == text.size()) {
        return false;
    }
    const std::uint64_t limit = base == 16 && !negative ? kHexLimit : kDecimalLimit;
    std::uint64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at], base);
        if (digit < 0) {
            return false;
        }
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > limit) {
            return false;
        }
    }
    if (negative) {
        value = static_cast<int>(-static_cast<std::int64_t>(magnitude));
    } else if (base == 16) {
        value = static_cast<int>(static_cast<std::uint32_t>(magnitude));
    } else if (magnitude < kDecimalLimit) {
        value = static_cast<int>(magnitude);
    } else {
        return false;
    }
    return true;
}

int StrToInt(std::string_view text)
{
    int value = 0;
    if (!TryStrToInt(text, value)) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return value;
}
