// Solid brushes for painters: system colours from the system's own brushes,
// other colours from a cache of at most 128 brushes that a system palette
// change empties.
#pragma once

#include <windows.h>

#include "classlib/canvas.h"
#include "classlib/colors.h"
#include "editors/foundation/graphics/cxbrushcache.h"
#include "editors/foundation/theme/cxsystempalette.h"

class TcxCanvas;

class TcxSolidBrushCache {
public:
    TcxSolidBrushCache();
    HBRUSH Get(TColor color);
    void Clear() { cache_.Clear(); }
    std::size_t Depth() const { return cache_.Depth(); }

private:
    TcxBrushCachePolicy cache_;
    TcxSystemPaletteChangedNotifier notifier_{true};
};

// The brush for the colour; the canvas plays no part.
HBRUSH cxSolidBrushFor(TColor color);
HBRUSH cxSolidBrushFor(TCanvas& canvas, TColor color);
HBRUSH cxSolidBrushFor(TcxCanvas& canvas, TColor color);
// The process-wide cache, made by the first brush asked for (nullptr before).
TcxSolidBrushCache* cxSolidBrushCache();

void cxEditPaintUtilsInitialize();
void cxEditPaintUtilsFinalize();
