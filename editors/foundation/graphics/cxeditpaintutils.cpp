#include "editors/foundation/graphics/cxeditpaintutils.h"

#include <array>
#include <memory>

namespace {

constexpr int kSystemBrushCount = 31;
std::unique_ptr<std::array<HBRUSH, kSystemBrushCount>> systemBrushes;
std::unique_ptr<TcxSolidBrushCache> brushCache;

} // namespace

TcxSolidBrushCache::TcxSolidBrushCache()
    : cache_([](std::uint32_t color) -> void* { return CreateSolidBrush(ColorToRGB(static_cast<TColor>(color))); },
             [](void* brush) { DeleteObject(static_cast<HBRUSH>(brush)); })
{
    notifier_.OnPaletteChange = [this] { Clear(); };
}

HBRUSH TcxSolidBrushCache::Get(TColor color)
{
    auto value = static_cast<std::uint32_t>(color);
    if (systemBrushes && value >= 0xFF000000u && value < 0xFF000000u + kSystemBrushCount)
        return (*systemBrushes)[value - 0xFF000000u];
    return static_cast<HBRUSH>(cache_.Get(value));
}

HBRUSH cxSolidBrushFor(TColor color)
{
    // Made on first use: its palette notifier keeps the shared listener
    // window alive only while brushes are in use.
    if (!brushCache)
        brushCache = std::make_unique<TcxSolidBrushCache>();
    return brushCache->Get(color);
}

HBRUSH cxSolidBrushFor(TCanvas&, TColor color)
{
    return cxSolidBrushFor(color);
}

HBRUSH cxSolidBrushFor(TcxCanvas&, TColor color)
{
    return cxSolidBrushFor(color);
}

TcxSolidBrushCache* cxSolidBrushCache()
{
    return brushCache.get();
}

void cxEditPaintUtilsInitialize()
{
    if (systemBrushes)
        return;
    systemBrushes = std::make_unique<std::array<HBRUSH, kSystemBrushCount>>();
    for (int i = 0; i < kSystemBrushCount; ++i)
        (*systemBrushes)[static_cast<std::size_t>(i)] = GetSysColorBrush(i);
}

void cxEditPaintUtilsFinalize()
{
    brushCache.reset();
    systemBrushes.reset();
}
