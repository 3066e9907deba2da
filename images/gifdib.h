// The device-independent bitmap a frame decodes into: its depth and colour table.
#pragma once

#include <cstdint>
#include <vector>

#include "images/gifdecode.h"
#include "images/gifmodel.h"

// 1 -> 1, 2..4 -> 4, 5..8 -> 8 bits a pixel; other colour bits raise the colour-count error.
int GifDibBits(int colorBits);
// Slot slot of the decoded bitmap's table: the table entry, grey past its count.
TColor GifDibSlotColor(const TGifColorTable& table, int slot);
// The slot's colour, or, when another slot of the decoded table has that
// colour too, a colour no slot has, so that only this slot is see-through.
TColor GifTransparentSlotColor(const TGifColorTable& table, int colorBits, int slot);
// The decoded bitmap's colour table, 0x00RRGGBB: the slots above, the
// see-through one with its own colour.
std::vector<std::uint32_t> GifDibPalette(const TGIF_FrameModel& frame);
// EOutOfMemory naming the frame's size when its pixels would take more than the bitmap cap.
void GifCheckFrameBytes(const TGIF_Item& item, std::uint64_t bytes);
// Decodes the frame's data into the rows, marking the frame when the data is corrupted.
void GifDecodeFrame(TGIF_FrameModel& frame, const TLzwPixelBuffer& out);
