// The five PNG row filters: undoing them on reading, applying them and
// choosing one on writing.
#pragma once

#include <cstddef>
#include <cstdint>

// The filter set of an image: None 1, Sub 2, Up 4, Average 8, Paeth 16.
enum TPNGFilter : std::uint8_t { pfNone = 1, pfSub = 2, pfUp = 4, pfAverage = 8, pfPaeth = 16 };
using TPNGFilters = std::uint8_t;

// Filter bytes as the file writes them.
enum : std::uint8_t { kFilterNone, kFilterSub, kFilterUp, kFilterAverage, kFilterPaeth, kFilterCount };

// The neighbour (left, above, upper left) closest to left + above - upper left.
std::uint8_t PngPaethPredict(std::uint8_t left, std::uint8_t above, std::uint8_t upperLeft);

// Undoes filter on row in place; previous is the unfiltered row above (zeros
// for the first), offset the bytes of one complete pixel. Unknown filters leave the row.
void UnfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes,
                 std::size_t offset);

// Writes row filtered with filter into out.
void FilterRow(std::uint8_t filter, const std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes,
               std::size_t offset, std::uint8_t* out);

// Positions from the third byte on that repeat one of the two bytes before:
// a rough measure of how well a filtered row will compress.
std::size_t PngFilterScore(const std::uint8_t* filtered, std::size_t bytes);
