// The radio glyph cache: the system's flat radio glyph measured once, then
// 128 images (four looks, four states, checked, focused, hot-tracked) drawn
// from its ring codes in the system colours of the moment.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "classlib/bitmap.h"
#include "classlib/handles.h"
#include "editors/foundation/graphics/cxcanvas.h"
#include "editors/foundation/painters/cxpaintergeometry.h"
#include "editors/foundation/theme/cxsystempalette.h"

class TcxRadioButtonImageList {
public:
    TcxRadioButtonImageList();
    TcxRadioButtonImageList(const TcxRadioButtonImageList&) = delete;
    TcxRadioButtonImageList& operator=(const TcxRadioButtonImageList&) = delete;

    TSize GlyphSize() const { return size_; }
    // The dot of the checked glyph, in glyph coordinates.
    const TRect& Dot() const { return dot_; }
    // Clears the images and builds all of them again.
    void Reset();
    // clNone: straight onto the canvas; else over a glyph-sized fill of the background.
    void Draw(TcxCanvas& canvas, int x, int y, int index, TColor background);
    int Count() const;

private:
    void Measure();
    void Build();

    TSize size_{0, 0};
    TRect dot_{0, 0, 0, 0};
    std::vector<std::uint8_t> pattern_;
    UniqueImageList images_;
    // The same glyphs side by side, black outside the glyph, and their mask
    // selected into a DC: two blits draw one, far cheaper than the image
    // list's own drawing under Wine.
    TBitmap strip_;
    UniqueBitmap mask_;
    UniqueDC maskDC_;
    // Primary: the glyphs are a cache that the look and feels' redraws read.
    TcxSystemPaletteChangedNotifier notifier_{true};
};

// Made on first use.
TcxRadioButtonImageList& cxRadioButtonImageList();
bool cxRadioButtonImageListMade();
void cxRadioButtonImageListFree();
