#include "images/pngfilters.h"

#include <cstdlib>
#include <cstring>

std::uint8_t PngPaethPredict(std::uint8_t left, std::uint8_t above, std::uint8_t upperLeft)
{
    int p = left + above - upperLeft;
    int pa = std::abs(p - left), pb = std::abs(p - above), pc = std::abs(p - upperLeft);
    if (pa <= pb && pa <= pc)
        return left;
    return pb <= pc ? above : upperLeft;
}

namespace {

// Paeth through distances only, without forming p: the hot loop of decoding.
inline std::uint8_t Paeth(int a, int b, int c)
{
    int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

} // namespace

void UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes,
                 std::size_t offset)
{
    if (offset > bytes)
        offset = bytes;
    switch (filter) {
    case kFilterSub:
        for (std::size_t i = offset; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + row[i - offset]);
        break;
    case kFilterUp:
        for (std::size_t i = 0; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
        break;
    case kFilterAverage:
        for (std::size_t i = 0; i < offset; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + (previous[i] >> 1));
        for (std::size_t i = offset; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - offset] + previous[i]) >> 1));
        break;
    case kFilterPaeth:
        for (std::size_t i = 0; i < offset; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
        for (std::size_t i = offset; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + Paeth(row[i - offset], previous[i], previous[i - offset]));
        break;
    default:
        break;
    }
}

void FilterRow(std::uint8_t filter, const std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes,
               std::size_t offset, std::uint8_t* out)
{
    if (offset > bytes)
        offset = bytes;
    auto left = [&](std::size_t i) { return i >= offset ? row[i - offset] : 0; };
    auto upperLeft = [&](std::size_t i) { return i >= offset ? previous[i - offset] : 0; };
    switch (filter) {
    case kFilterSub:
        std::memcpy(out, row, offset);
        for (std::size_t i = offset; i < bytes; ++i)
            out[i] = static_cast<std::uint8_t>(row[i] - row[i - offset]);
        break;
    case kFilterUp:
        for (std::size_t i = 0; i < bytes; ++i)
            out[i] = static_cast<std::uint8_t>(row[i] - previous[i]);
        break;
    case kFilterAverage:
        for (std::size_t i = 0; i < bytes; ++i)
            out[i] = static_cast<std::uint8_t>(row[i] - ((left(i) + previous[i]) >> 1));
        break;
    case kFilterPaeth:
        for (std::size_t i = 0; i < bytes; ++i)
            out[i] = static_cast<std::uint8_t>(row[i] - Paeth(left(i), previous[i], upperLeft(i)));
        break;
    default:
        std::memcpy(out, row, bytes);
        break;
    }
}

std::size_t PngFilterScore(const std::uint8_t* filtered, std::size_t bytes)
{
    std::size_t score = 0;
    for (std::size_t j = 2; j < bytes; ++j)
        score += filtered[j] == filtered[j - 1] || filtered[j] == filtered[j - 2];
    return score;
}
