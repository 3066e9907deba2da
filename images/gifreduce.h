// Colour reduction for the GIF writer: 24-bit rows to 256 colours by a
// histogram of masked colours.
#pragma once

#include <cstdint>
#include <vector>

#include "classlib/bitmapfile.h"

// The 24-bit bitmap (rows bottom-up, blue, green, red, padded to 4 bytes) as
// an 8-bit one with a 256-entry palette: up to 256 colours exactly, more
// through channel masks narrowed blue, red, green in turn until at most 2049
// masked colours remain, the 256 commonest of them kept and the rest mapped
// to their nearest.
TBitmapFileImage ReduceBitmapColors(const TBitmapFileImage& rgb);
