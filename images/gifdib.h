// The device-independent bitmap a frame decodes into: its depth and colour table.
#pragma once

#include "images/gifmodel.h"

// 1 -> 1, 2..4 -> 4, 5..8 -> 8 bits a pixel; other colour bits raise the colour-count error.
int GifDibBits(int colorBits);
// Slot slot of the decoded bitmap's table: the table entry, grey past its count.
TColor GifDibSlotColor(const TGifColorTable& table, int slot);
// The slot's colour, or, when another slot of the decoded table has that
// colour too, a colour no slot has, so that only this slot is see-through.
TColor GifTransparentSlotColor(const TGifColorTable& table, int colorBits, int slot);
