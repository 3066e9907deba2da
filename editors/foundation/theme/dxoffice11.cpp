#include "editors/foundation/theme/dxoffice11.h"

#include <array>
#include <cstring>
#include <memory>

#include "classlib/exceptions.h"
#include "classlib/handles.h"
#include "classlib/resources.h"
#include "classlib/streams.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

using TGradientFill = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

constexpr int kBrushEntries[] = {12, 13, 14, 15, 18, 19, 20, 21, 26, 27, 28, 29};
constexpr int kBrushCount = static_cast<int>(std::size(kBrushEntries));

struct TColorSet {
    int AcquireCount = 0;
    int Scheme = 0;
    bool SchemeThemed = false;
    TdxOffice11Palette Palette;
    std::array<UniqueBrush, kBrushCount> Brushes;
    UniqueBrush MixedBorder;
    TBitmap SubmenuExpand, ExpandMinus, ExpandPlus;
};

TColorSet& Set()
{
    static TColorSet set;
    return set;
}

HMODULE gradientModule = nullptr;
TGradientFill gradientFill = nullptr;

TRGB ResolveColor(TColor color)
{
    return ColorToRGB(color);
}

// The screen's device context held for one fill of the palette or one
// recolouring, which ask for dozens of colours.
HDC fillScreen = nullptr;

class TScreenForFill {
public:
    TScreenForFill() : owner_(!fillScreen)
    {
        if (owner_)
            fillScreen = GetDC(nullptr);
    }
    ~TScreenForFill()
    {
        if (owner_ && fillScreen)
            ReleaseDC(nullptr, fillScreen);
        if (owner_)
            fillScreen = nullptr;
    }
    TScreenForFill(const TScreenForFill&) = delete;
    TScreenForFill& operator=(const TScreenForFill&) = delete;

private:
    bool owner_;
};

TRGB NearestScreenColor(TRGB rgb)
{
    TScreenForFill screen;
    COLORREF nearest = fillScreen ? GetNearestColor(fillScreen, rgb) : CLR_INVALID;
    return nearest == CLR_INVALID ? rgb : nearest;
}

const TdxColorSource kSystemColors{ResolveColor, NearestScreenColor};

// A bitmap resource as a bitmap file: the resource lacks only the file header.
void LoadBitmapResource(TBitmap& bitmap, const char* name)
{
    bitmap.SetSize(0, 0);
    std::string dib;
    try {
        dib = LoadResourceText(name, "#2");
    } catch (const EComponentError&) {
        return;
    }
    BITMAPINFOHEADER info{};
    if (dib.size() < sizeof info)
        return;
    std::memcpy(&info, dib.data(), sizeof info);
    DWORD colors = info.biClrUsed ? info.biClrUsed : info.biBitCount <= 8 ? 1u << info.biBitCount : 0;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfSize = static_cast<DWORD>(sizeof file + dib.size());
    file.bfOffBits = static_cast<DWORD>(sizeof file + info.biSize + colors * sizeof(RGBQUAD));
    TMemoryStream stream;
    stream.Write(&file, sizeof file);
    stream.Write(dib.data(), dib.size());
    stream.Seek(0, TSeekOrigin::soBeginning);
    bitmap.LoadFromStream(stream);
}

void RecolorSubmenuExpand(TBitmap& bitmap, const TdxOffice11Palette& palette)
{
    if (bitmap.Empty())
        return;
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    int w = bitmap.Width(), h = bitmap.Height();
    std::vector<TRGB> pixels(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            pixels[static_cast<std::size_t>(y) * w + x] = static_cast<TRGB>(bitmap.Canvas().Pixels(x, y));
    TScreenForFill screen;
    dxRecolorSubmenuExpand(pixels, palette.Entries[0], palette.Entries[1], NearestScreenColor);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            bitmap.Canvas().SetPixels(x, y, static_cast<TColor>(pixels[static_cast<std::size_t>(y) * w + x]));
}

void MakeBrushesAndBitmaps(TColorSet& set)
{
    for (int i = 0; i < kBrushCount; ++i)
        set.Brushes[i].reset(CreateSolidBrush(set.Palette.Entries[kBrushEntries[i]]));
    set.MixedBorder.reset(CreateSolidBrush(set.Palette.MixedBorder));
    LoadBitmapResource(set.SubmenuExpand, "DXSUBMENUEXPAND");
    RecolorSubmenuExpand(set.SubmenuExpand, set.Palette);
    LoadBitmapResource(set.ExpandMinus, "DXEXPANDBUTTON_MINUS");
    LoadBitmapResource(set.ExpandPlus, "DXEXPANDBUTTON_PLUS");
}

void FreeBrushesAndBitmaps(TColorSet& set)
{
    for (auto& brush : set.Brushes)
        brush.reset();
    set.MixedBorder.reset();
    for (TBitmap* b : {&set.SubmenuExpand, &set.ExpandMinus, &set.ExpandPlus})
        b->SetSize(0, 0);
}

void FillWithBrush(HDC dc, const TRect& r, HBRUSH brush)
{
    if (brush)
        FillRect(dc, &r, brush);
}

} // namespace

void dxOffice11Initialize()
{
    gradientModule = LoadLibraryA("msimg32.dll");
    gradientFill = gradientModule ? reinterpret_cast<TGradientFill>(
                                        reinterpret_cast<void (*)()>(GetProcAddress(gradientModule, "GradientFill")))
                                  : nullptr;
}

void dxOffice11Finalize()
{
    gradientFill = nullptr;
    if (gradientModule)
        FreeLibrary(gradientModule);
    gradientModule = nullptr;
}

int Office11DetectScheme()
{
    if (!ThemesUsable())
        return 0;
    std::array<WCHAR, 1024> file{}, color{}, size{};
    if (FAILED(dxUxTheme::GetCurrentThemeName(file.data(), 1024, color.data(), 1024, size.data(), 1024)))
        return 0;
    return dxOffice11SchemeOf(reinterpret_cast<const char16_t*>(file.data()),
                              reinterpret_cast<const char16_t*>(color.data()), static_cast<int>(dxUxTheme::SystemVersion().dwMajorVersion));
}

void Office11ColorsFill()
{
    TColorSet& set = Set();
    set.Scheme = Office11DetectScheme();
    set.SchemeThemed = ThemesUsable() && set.Scheme != 0;
    TScreenForFill screen;
    set.Palette = dxOffice11FillPalette(set.Scheme, kSystemColors);
}

void Office11ColorsAcquire()
{
    TColorSet& set = Set();
    if (set.AcquireCount++ == 0) {
        Office11ColorsFill();
        MakeBrushesAndBitmaps(set);
    }
}

void Office11ColorsRelease()
{
    TColorSet& set = Set();
    if (set.AcquireCount > 0 && --set.AcquireCount == 0)
        FreeBrushesAndBitmaps(set);
}

void Office11ColorsRefresh()
{
    TColorSet& set = Set();
    Office11ColorsFill();
    if (set.AcquireCount > 0) {
        FreeBrushesAndBitmaps(set);
        MakeBrushesAndBitmaps(set);
    }
}

int Office11ColorsAcquireCount()
{
    return Set().AcquireCount;
}

int Office11Scheme()
{
    return Set().Scheme;
}

bool Office11SchemeThemed()
{
    return Set().SchemeThemed;
}

const TdxOffice11Palette& Office11Palette()
{
    return Set().Palette;
}

HBRUSH Office11Brush(int entry)
{
    for (int i = 0; i < kBrushCount; ++i)
        if (kBrushEntries[i] == entry)
            return Set().Brushes[i].get();
    return nullptr;
}

HBRUSH Office11MixedBorderBrush()
{
    return Set().MixedBorder.get();
}

const TBitmap& Office11SubmenuExpandBitmap()
{
    return Set().SubmenuExpand;
}

const TBitmap& Office11ExpandButtonMinus()
{
    return Set().ExpandMinus;
}

const TBitmap& Office11ExpandButtonPlus()
{
    return Set().ExpandPlus;
}

void FillRectWithColor(HDC dc, const RECT& r, TColor color)
{
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(color)));
    FillRect(dc, &r, brush.get());
}

void FillRectGradient(HDC dc, const RECT& r, TColor color1, TColor color2, bool horizontal)
{
    TRGB c1 = ColorToRGB(color1), c2 = ColorToRGB(color2);
    if (c1 == c2)
        return FillRectWithColor(dc, r, static_cast<TColor>(c1));
    if (!gradientFill)
        return FillRectSoftGradient(dc, r, color1, color2, horizontal);
    auto vertex = [](LONG x, LONG y, TRGB c) {
        return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(c) << 8), static_cast<COLOR16>(GetGValue(c) << 8),
                         static_cast<COLOR16>(GetBValue(c) << 8), 0};
    };
    TRIVERTEX vertices[2] = {vertex(r.left, r.top, c1), vertex(r.right, r.bottom, c2)};
    GRADIENT_RECT rect{0, 1};
    gradientFill(dc, vertices, 2, &rect, 1, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void FillRectSoftGradient(HDC dc, const RECT& r, TColor color1, TColor color2, bool horizontal)
{
    int start = horizontal ? r.left : r.top;
    int extent = horizontal ? cxRectGetWidth(r) : cxRectGetHeight(r);
    for (const TdxGradientBand& band : dxGradientBands(start, extent, ColorToRGB(color1), ColorToRGB(color2))) {
        RECT b = horizontal ? RECT{band.From, r.top, band.To, r.bottom} : RECT{r.left, band.From, r.right, band.To};
        FillRectWithColor(dc, b, static_cast<TColor>(band.Color));
    }
}

void Office11PaintDots(HDC dc, const RECT& r, bool vertical, HBRUSH light, HBRUSH dark)
{
    if (!light)
        light = Office11Brush(13);
    if (!dark)
        dark = Office11Brush(12);
    for (const TRect& square : dxDotSquares(r, vertical)) {
        FillWithBrush(dc, square, light);
        FillWithBrush(dc, cxRectOffsetBy(square, -1, -1), dark);
    }
}

void Office11PaintSizeGrip(HDC dc, const RECT& r, TColor dotColor, TColor shadowColor)
{
    UniqueBrush dot(dotColor == clDefault ? nullptr : CreateSolidBrush(ColorToRGB(dotColor)));
    UniqueBrush shadow(shadowColor == clDefault ? nullptr : CreateSolidBrush(ColorToRGB(shadowColor)));
    // The shadow is the light square, the dot its copy one pixel up and left.
    for (const TRect& strip : dxSizeGripStrips(r))
        Office11PaintDots(dc, strip, false, shadow.get(), dot.get());
}
