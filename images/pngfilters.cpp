#include "images/pngfilters.h"

#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

std::uint8_t PngPaethPredict(std::uint8_t left, std::uint8_t above, std::uint8_t upperLeft)
{
    int p = left + above - upperLeft;
    int pa = std::abs(p - left), pb = std::abs(p - above), pc = std::abs(p - upperLeft);
    if (pa <= pb && pa <= pc)
        return left;
    return pb <= pc ? above : upperLeft;
}

namespace {

// Paeth through distances only, without forming p, and without branches:
// the nearest of left, above and upper left, ties going in that order.
inline std::uint8_t Paeth(int a, int b, int c)
{
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    int best = a, distance = pa;
    best = pb < distance ? b : best;
    distance = pb < distance ? pb : distance;
    return static_cast<std::uint8_t>(pc < distance ? c : best);
}

// The filters that look left. A pixel size known when compiling (Fixed) lets
// the compiler keep a whole pixel's neighbours in registers; 0 takes offset.
template <std::size_t Fixed>
void UnfilterLeft(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes,
                  std::size_t offset)
{
    const std::size_t step = Fixed ? Fixed : offset;
    switch (filter) {
    case kFilterSub:
        for (std::size_t i = step; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + row[i - step]);
        break;
    case kFilterAverage:
        for (std::size_t i = 0; i < step; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + (previous[i] >> 1));
        for (std::size_t i = step; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + ((row[i - step] + previous[i]) >> 1));
        break;
    default:
        for (std::size_t i = 0; i < step; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
        for (std::size_t i = step; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + Paeth(row[i - step], previous[i], previous[i - step]));
        break;
    }
}

#if defined(__SSE2__)
// Average and Paeth on colour pixels a whole pixel at a time, each sample in a
// 16-bit lane: the sums and distances need more than a byte.
template <int Bytes>
__m128i LoadPixel(const std::uint8_t* p)
{
    std::uint32_t v = 0;
    std::memcpy(&v, p, Bytes);
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(v)), _mm_setzero_si128());
}

template <int Bytes>
void StorePixel(std::uint8_t* p, __m128i lanes)
{
    const auto v = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(lanes, lanes)));
    std::memcpy(p, &v, Bytes);
}

__m128i Abs16(__m128i x)
{
    return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x));
}

__m128i Select(__m128i mask, __m128i yes, __m128i no)
{
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

// The left and upper-left pixels of the first one are zeros.
template <int Bytes>
void UnfilterPixels(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes)
{
    const __m128i low = _mm_set1_epi16(0xFF);
    __m128i a = _mm_setzero_si128(), c = a;
    for (std::size_t i = 0; i + Bytes <= bytes; i += Bytes) {
        const __m128i b = LoadPixel<Bytes>(previous + i), x = LoadPixel<Bytes>(row + i);
        __m128i predicted;
        if (filter == kFilterAverage) {
            predicted = _mm_srli_epi16(_mm_add_epi16(a, b), 1);
        } else {
            const __m128i fromB = _mm_sub_epi16(b, c), fromA = _mm_sub_epi16(a, c);
            const __m128i pa = Abs16(fromB), pb = Abs16(fromA), pc = Abs16(_mm_add_epi16(fromB, fromA));
            predicted = Select(_mm_cmplt_epi16(pb, pa), b, a);
            predicted = Select(_mm_cmplt_epi16(pc, _mm_min_epi16(pa, pb)), c, predicted);
        }
        a = _mm_and_si128(_mm_add_epi16(x, predicted), low);
        StorePixel<Bytes>(row + i, a);
        c = b;
    }
}
#endif

} // namespace

void UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes,
                 std::size_t offset)
{
    if (filter == kFilterUp) {
        for (std::size_t i = 0; i < bytes; ++i)
            row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
        return;
    }
    if (filter != kFilterSub && filter != kFilterAverage && filter != kFilterPaeth)
        return;
    // Rows shorter than a pixel have no left neighbours.
    if (bytes < offset)
        offset = bytes;
#if defined(__SSE2__)
    if (filter != kFilterSub && offset == 3)
        return UnfilterPixels<3>(filter, row, previous, bytes);
    if (filter != kFilterSub && offset == 4)
        return UnfilterPixels<4>(filter, row, previous, bytes);
#endif
    switch (offset) {
    case 1:
        return UnfilterLeft<1>(filter, row, previous, bytes, offset);
    case 2:
        return UnfilterLeft<2>(filter, row, previous, bytes, offset);
    case 3:
        return UnfilterLeft<3>(filter, row, previous, bytes, offset);
    case 4:
        return UnfilterLeft<4>(filter, row, previous, bytes, offset);
    case 6:
        return UnfilterLeft<6>(filter, row, previous, bytes, offset);
    case 8:
        return UnfilterLeft<8>(filter, row, previous, bytes, offset);
    default:
        return UnfilterLeft<0>(filter, row, previous, bytes, offset);
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
