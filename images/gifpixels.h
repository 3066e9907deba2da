// A frame's decoded pixels as one palette index a pixel, top row first: what
// the dump tool, the tests and the fuzzers compare.
#pragma once

#include <cstdint>
#include <vector>

#include "images/gifmodel.h"

struct TGifFramePixels {
    int width = 0, height = 0;
    std::vector<std::uint8_t> indices;
    // The decoded bitmap's table, 0x00RRGGBB.
    std::vector<std::uint32_t> palette;
};

TGifFramePixels GifFramePixels(TGIF_FrameModel& frame);
// The indices alone, into a buffer the caller keeps from frame to frame.
void GifFrameIndices(TGIF_FrameModel& frame, std::vector<std::uint8_t>& indices);
