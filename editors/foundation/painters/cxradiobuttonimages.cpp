#include "editors/foundation/painters/cxradiobuttonimages.h"

#include <array>
#include <memory>

#include "editors/foundation/graphics/cxbitmap.h"
#include "editors/foundation/graphics/cxeditpaintutils.h"
#include "editors/foundation/graphics/cxgraphics.h"
#include "editors/foundation/painters/cxpainterresources.h"
#include "editors/foundation/theme/dxoffice11.h"

namespace {

std::unique_ptr<TcxRadioButtonImageList> imageList;

constexpr TColor kMeasureBackground = 0x123456;

TColor Office11Entry(int entry)
{
    return static_cast<TColor>(Office11Palette().Entries[entry]);
}

TColor BodyColor(TcxLookAndFeelKind kind, TcxButtonState state)
{
    if (kind == lfOffice11) {
        static constexpr int faces[] = {0, 0, 22, 24, 0};
        return state == cxbsNormal ? clWindow : state == cxbsDisabled ? clBtnFace : Office11Entry(faces[state]);
    }
    if (state == cxbsDisabled)
        return clBtnFace;
    if (kind == lfUltraFlat)
        return state == cxbsHot ? cxSelectionColorB() : state == cxbsPressed ? cxSelectionColorA() : clWindow;
    return state == cxbsPressed ? clBtnFace : clWindow;
}

// The colour of each code for one image.
std::array<TColor, cxRadioCodeCount> CodeColors(TcxLookAndFeelKind kind, TcxButtonState state, bool checked,
                                                bool focused, bool tracked)
{
    const TColor body = BodyColor(kind, state);
    const bool disabled = state == cxbsDisabled;
    const bool lit = tracked || state == cxbsHot || state == cxbsPressed || (focused && !disabled);
    std::array<TColor, 4> rings{};
    switch (kind) {
    case lfFlat:
        rings = {clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight};
        break;
    case lfStandard:
        rings = {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight};
        break;
    case lfUltraFlat: {
        const TColor outer = lit ? clHighlight : clBtnShadow;
        rings = {outer, outer, body, body};
        break;
    }
    case lfOffice11: {
        const TColor outer = disabled ? Office11Entry(31) : lit ? Office11Entry(21) : clBtnText;
        rings = {outer, outer, body, body};
        break;
    }
    }
    TColor dot = body;
    if (checked)
        dot = !disabled ? clWindowText : kind == lfOffice11 ? Office11Entry(31) : clBtnShadow;
    return {clBlack, rings[0], rings[1], rings[2], rings[3], body, dot};
}

// The cell of the system check-box bitmap with the glyph drawn on the measuring background.
TRGBColors DrawnCell(int width, int height, UINT state)
{
    TBitmap cell;
    cell.SetPixelFormat(TPixelFormat::pf32bit);
    cell.SetSize(width, height);
    HDC dc = cell.Canvas().Handle();
    RECT r{0, 0, width, height};
    UniqueBrush back(CreateSolidBrush(kMeasureBackground));
    FillRect(dc, &r, back.get());
    DrawFrameControl(dc, &r, DFC_BUTTON, state);
    return cxGetBitmapBits(cell);
}

} // namespace

TcxRadioButtonImageList::TcxRadioButtonImageList()
{
    notifier_.OnPaletteChange = [this] { Reset(); };
    Measure();
    Build();
}

void TcxRadioButtonImageList::Measure()
{
    const TSize cell = cxCheckBoxSize();
    if (cell.cx <= 0 || cell.cy <= 0)
        return;
    const TRGBColors maskCell = DrawnCell(cell.cx, cell.cy, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
    std::vector<bool> black(maskCell.size());
    for (std::size_t i = 0; i < maskCell.size(); ++i)
        black[i] = (maskCell[i] & 0xFFFFFF) == 0;
    const TRect glyph = cxMaskBounds(black, cell.cx, cell.cy);
    size_ = cxMakeSize(cxRectGetWidth(glyph), cxRectGetHeight(glyph));
    std::vector<bool> mask(static_cast<std::size_t>(size_.cx) * size_.cy);
    for (int y = 0; y < size_.cy; ++y)
        for (int x = 0; x < size_.cx; ++x)
            mask[static_cast<std::size_t>(y) * size_.cx + x] =
                black[static_cast<std::size_t>(y + glyph.top) * cell.cx + x + glyph.left];
    if (std::find(mask.begin(), mask.end(), true) == mask.end())
        mask.assign(mask.size(), true);

    // The dot: from the glyph's centre outwards while the pixels are in the window-text colour.
    const TRGBColors checkedCell = DrawnCell(cell.cx, cell.cy, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_FLAT);
    const std::uint32_t text = cxRGBToQuad(ColorToRGB(clWindowText), 0) & 0xFFFFFF;
    auto isDot = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < size_.cx && y < size_.cy &&
               (checkedCell[static_cast<std::size_t>(y + glyph.top) * cell.cx + x + glyph.left] & 0xFFFFFF) == text;
    };
    const int cx = size_.cx / 2, cy = size_.cy / 2;
    dot_ = TRect{0, 0, 0, 0};
    if (isDot(cx, cy)) {
        dot_ = TRect{cx, cy, cx + 1, cy + 1};
        while (isDot(dot_.left - 1, cy))
            --dot_.left;
        while (isDot(dot_.right, cy))
            ++dot_.right;
        while (isDot(cx, dot_.top - 1))
            --dot_.top;
        while (isDot(cx, dot_.bottom))
            ++dot_.bottom;
    }
    pattern_ = cxRadioPattern(mask, size_.cx, size_.cy, dot_);
}

void TcxRadioButtonImageList::Build()
{
    images_.reset();
    maskDC_.reset();
    mask_.reset();
    if (size_.cx <= 0 || size_.cy <= 0)
        return;
    const int w = size_.cx, h = size_.cy, stripWidth = w * cxRadioImageCount;
    TBitmap& strip = strip_;
    strip.SetPixelFormat(TPixelFormat::pf32bit);
    strip.SetSize(stripWidth, h);
    TRGBColors pixels(static_cast<std::size_t>(stripWidth) * h);
    // A monochrome mask: set bits outside the glyph, rows padded to 16 bits.
    const int maskRow = (stripWidth + 15) / 16 * 2;
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(maskRow) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < stripWidth; ++x)
            if (pattern_[static_cast<std::size_t>(y) * w + x % w] == rpOutside)
                maskBits[static_cast<std::size_t>(y) * maskRow + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    for (int index = 0; index < cxRadioImageCount; ++index) {
        const auto state = static_cast<TcxButtonState>(index % 4 + 1);
        const bool checked = index / 4 % 2, focused = index / 32 % 2, tracked = index / 64 % 2;
        const auto kind = static_cast<TcxLookAndFeelKind>(index / 8 % 4);
        std::array<std::uint32_t, cxRadioCodeCount> quads{};
        const auto colors = CodeColors(kind, state, checked, focused, tracked);
        // quads[rpOutside] stays 0: black outside the glyph.
        for (int c = rpOutside + 1; c < cxRadioCodeCount; ++c)
            quads[c] = cxRGBToQuad(ColorToRGB(colors[c]), 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                pixels[static_cast<std::size_t>(y) * stripWidth + index * w + x] =
                    quads[pattern_[static_cast<std::size_t>(y) * w + x]];
    }
    cxSetBitmapBits(strip, pixels);
    mask_.reset(CreateBitmap(stripWidth, h, 1, 1, maskBits.data()));
    images_.reset(ImageList_Create(w, h, ILC_COLOR24 | ILC_MASK, cxRadioImageCount, 0));
    ImageList_Add(images_.get(), strip.Handle(), mask_.get());
    maskDC_.reset(CreateCompatibleDC(nullptr));
    SelectObject(maskDC_.get(), mask_.get());
}

void TcxRadioButtonImageList::Reset()
{
    Build();
}

int TcxRadioButtonImageList::Count() const
{
    return images_ ? ImageList_GetImageCount(images_.get()) : 0;
}

void TcxRadioButtonImageList::Draw(TcxCanvas& canvas, int x, int y, int index, TColor background)
{
    if (!images_ || index < 0 || index >= Count())
        return;
    HDC dest = canvas.Handle();
    const int w = size_.cx, h = size_.cy;
    if (background != clNone) {
        const RECT r{x, y, x + w, y + h};
        FillRect(dest, &r, cxSolidBrushFor(background));
    }
    // The mask's set bits (outside) become white and keep what is there; the
    // glyph, black outside, is then or-ed in.
    const COLORREF text = SetTextColor(dest, RGB(0, 0, 0)), back = SetBkColor(dest, RGB(255, 255, 255));
    BitBlt(dest, x, y, w, h, maskDC_.get(), index * w, 0, SRCAND);
    BitBlt(dest, x, y, w, h, strip_.Canvas().Handle(), index * w, 0, SRCPAINT);
    SetTextColor(dest, text);
    SetBkColor(dest, back);
}

TcxRadioButtonImageList& cxRadioButtonImageList()
{
    if (!imageList)
        imageList = std::make_unique<TcxRadioButtonImageList>();
    return *imageList;
}

bool cxRadioButtonImageListMade()
{
    return imageList != nullptr;
}

void cxRadioButtonImageListFree()
{
    imageList.reset();
}
