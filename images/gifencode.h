// LZW encoding of bitmap rows into a GIF image's data.
#pragma once

#include "classlib/streams.h"
#include "images/gifdecode.h"
#include "images/gifmodel.h"

// Writes the minimum code size byte, the data sub-blocks and their terminator
// for the rows of pixels (1, 4 or 8 bits), top row first or interlaced, block
// by block as they fill.
void LzwEncodeImage(TStream& dest, const TLzwPixelBuffer& pixels, bool interlaced, const TGifProgress& progress = {});
