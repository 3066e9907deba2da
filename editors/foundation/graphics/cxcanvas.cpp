#include "editors/foundation/graphics/cxcanvas.h"

#include <algorithm>

UINT cxFlagsToDTFlags(unsigned flags)
{
    struct {
        unsigned flag;
        UINT dt;
    } static const map[] = {
        {cxAlignRight, DT_RIGHT},          {cxAlignHCenter, DT_CENTER},       {cxAlignBottom, DT_BOTTOM},
        {cxAlignVCenter, DT_VCENTER},      {cxSingleLine, DT_SINGLELINE},     {cxDontClip, DT_NOCLIP},
        {cxExpandTabs, DT_EXPANDTABS},     {cxShowEndEllipsis, DT_END_ELLIPSIS}, {cxDontPrint, DT_CALCRECT},
        {cxShowPathEllipsis, DT_PATH_ELLIPSIS},
    };
    UINT dt = flags & cxShowPrefix ? 0 : DT_NOPREFIX;
    for (const auto& m : map)
        if (flags & m.flag)
            dt |= m.dt;
    if (flags & cxWordBreak)
        dt |= flags & cxDontBreakChars ? DT_WORDBREAK : DT_WORDBREAK | DT_EDITCONTROL;
    return dt;
}

TcxCanvas::~TcxCanvas() = default;

void TcxCanvas::SetBrushColor(TColor color)
{
    if (Brush().Color() != color)
        Brush().SetColor(color);
}

POINT TcxCanvas::WindowOrg()
{
    POINT p{};
    GetWindowOrgEx(Handle(), &p);
    return p;
}

void TcxCanvas::SetWindowOrg(POINT p)
{
    SetWindowOrgEx(Handle(), p.x, p.y, nullptr);
}

POINT TcxCanvas::ViewportOrg()
{
    POINT p{};
    GetViewportOrgEx(Handle(), &p);
    return p;
}

POINT TcxCanvas::DCOrigin()
{
    POINT w = WindowOrg(), v = ViewportOrg();
    return POINT{v.x - w.x, v.y - w.y};
}

void TcxCanvas::PushDC()
{
    savedDCs_.push_back(SaveDC(Handle()));
}

void TcxCanvas::PopDC()
{
    if (savedDCs_.empty())
        return;
    RestoreDC(Handle(), savedDCs_.back());
    savedDCs_.pop_back();
}

void TcxCanvas::PushState()
{
    PushDC();
    auto state = std::make_unique<TState>();
    state->Font.Assign(Font());
    state->Brush = Brush();
    state->Pen = Pen();
    savedStates_.push_back(std::move(state));
}

void TcxCanvas::PopState()
{
    if (savedStates_.empty())
        return;
    std::unique_ptr<TState> state = std::move(savedStates_.back());
    savedStates_.pop_back();
    Font().Assign(state->Font);
    Brush() = state->Brush;
    Pen() = state->Pen;
    PopDC();
}

void TcxCanvas::PushClipRegion()
{
    savedClips_.push_back(ClipRegionOf(true));
}

void TcxCanvas::PopClipRegion()
{
    if (savedClips_.empty())
        return;
    std::unique_ptr<TcxRegion> region = std::move(savedClips_.back());
    savedClips_.pop_back();
    if (region)
        SetClipRegion(*region, TcxRegionOperation::roSet, true);
    else
        SelectClipRgn(Handle(), nullptr);
}

void TcxCanvas::ExcludeClipRect(const RECT& r)
{
    ::ExcludeClipRect(Handle(), r.left, r.top, r.right, r.bottom);
}

void TcxCanvas::IntersectClipRect(const RECT& r)
{
    ::IntersectClipRect(Handle(), r.left, r.top, r.right, r.bottom);
}

std::unique_ptr<TcxRegion> TcxCanvas::ClipRegionOf(bool considerOrigin)
{
    auto region = std::make_unique<TcxRegion>();
    if (GetClipRgn(Handle(), region->Handle()) != 1)
        return nullptr;
    if (considerOrigin) {
        POINT o = DCOrigin();
        region->Offset(-o.x, -o.y);
    }
    return region;
}

void TcxCanvas::SetClipRegion(TcxRegion& region, TcxRegionOperation operation, bool considerOrigin)
{
    // The clip region is in device coordinates; a DC without one combines
    // with its whole surface, wherever its origin lies.
    POINT o = considerOrigin ? DCOrigin() : POINT{0, 0};
    region.Offset(o.x, o.y);
    ExtSelectClipRgn(Handle(), region.Handle(), cxRegionCombineMode(operation));
    region.Offset(-o.x, -o.y);
}

void TcxCanvas::FillRect(const RECT& r, const TBitmap* bitmap, bool exclude)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (bitmap && !bitmap->Empty()) {
        HDC dc = Handle();
        HDC source = bitmap->Canvas().Handle();
        cxForEachTile(r, bitmap->Width(), bitmap->Height(), [&](const TRect& part, int sx, int sy) {
            BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, source, sx, sy,
                   canvas_.CopyMode());
        });
    } else
        canvas_.FillRect(r);
    if (exclude) {
        TcxRegion region(r);
        SetClipRegion(region, TcxRegionOperation::roSubtract, true);
    }
}

void TcxCanvas::FillRectColor(const RECT& r, TColor color)
{
    if (color == clNone)
        return;
    if (color != clDefault)
        SetBrushColor(color);
    FillRect(r);
}

void TcxCanvas::FrameRect(const RECT& r, TColor color, bool exclude, unsigned borders, int width)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (color != clDefault)
        SetBrushColor(color);
    cxForEachFrameStrip(r, width, borders, [&](const TRect& strip) { FillRect(strip, nullptr, exclude); });
}

void TcxCanvas::FramedFill(const RECT& r, const TcxFill& fill, bool exclude, int width, TColor frameColor,
                           unsigned borders)
{
    FrameRect(r, frameColor, exclude, borders, width);
    RECT inside = cxRectInsideBorders(r, width, borders);
    if (fill.Color == clNone && !fill.Bitmap)
        return;
    if (fill.Color != clDefault && fill.Color != clNone)
        SetBrushColor(fill.Color);
    FillRect(inside, fill.Bitmap, exclude);
}

void TcxCanvas::DrawSideBorders(const RECT& r, TColor leftTop, TColor rightBottom, unsigned borders, int width)
{
    for (unsigned side : {bLeft, bTop, bRight, bBottom})
        if (borders & side)
            cxForEachFrameStrip(r, width, side, [&](const TRect& strip) {
                FillRectColor(strip, side == bLeft || side == bTop ? leftTop : rightBottom);
            });
}

void TcxCanvas::DrawEdge3D(const RECT& r, bool sunken, bool outer, unsigned borders)
{
    static const TColor colors[2][2][2] = {
        // raised: inner, outer
        {{clBtnHighlight, clBtnShadow}, {cl3DLight, cl3DDkShadow}},
        // sunken: inner, outer
        {{cl3DDkShadow, cl3DLight}, {clBtnShadow, clBtnHighlight}},
    };
    const TColor* c = colors[sunken][outer];
    DrawSideBorders(r, c[0], c[1], borders, 1);
}

void TcxCanvas::InvertRect(const RECT& r)
{
    DWORD mode = canvas_.CopyMode();
    canvas_.SetCopyMode(DSTINVERT);
    canvas_.CopyRect(r, canvas_, r);
    canvas_.SetCopyMode(mode == DSTINVERT ? SRCCOPY : mode);
}

SIZE TcxCanvas::TextSize(const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32A(Handle(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

int TcxCanvas::FontHeight(const TFont& font)
{
    SetFont(font);
    return TextHeight("Qq");
}

RECT TcxCanvas::TextExtent(const std::string& text, const RECT& r, unsigned flags)
{
    const int width = r.right - r.left, height = r.bottom - r.top;
    UINT dt = cxFlagsToDTFlags(flags);
    RECT out = r;
    if (width <= 0 && !text.empty())
        out.right = out.left + 1;
    if (DrawTextA(Handle(), text.data(), static_cast<int>(text.size()), &out, (dt | DT_CALCRECT) & ~DT_VCENTER) == 0)
        out = RECT{r.left, r.top, r.left, r.top};
    int spareX = width - (out.right - out.left), spareY = height - (out.bottom - out.top);
    int dx = dt & DT_CENTER ? spareX / 2 : dt & DT_RIGHT ? spareX : 0;
    int dy = dt & DT_VCENTER ? spareY / 2 : dt & DT_BOTTOM ? spareY : 0;
    OffsetRect(&out, dx, dy);
    return out;
}

void TcxCanvas::AlignMultiLineText(const std::string& text, RECT& r, unsigned flags, bool enabled)
{
    RECT box{r.left, r.top, r.right - (enabled ? 0 : 1), r.bottom};
    RECT measured = TextExtent(text, box, (flags & (cxWordBreak | cxShowPrefix | cxDontBreakChars)) | cxAlignLeft | cxAlignTop);
    int height = measured.bottom - measured.top;
    if (flags & cxAlignBottom)
        r.top = r.bottom - height - (enabled ? 0 : 1);
    else
        r.top = (r.top + r.bottom - height) / 2;
}

void TcxCanvas::DrawStateText(const std::string& text, RECT r, unsigned flags, bool enabled)
{
    if (text.empty())
        return;
    const bool drawTextMode = !(flags & cxSingleLine) || (flags & (cxShowPrefix | cxShowEndEllipsis | cxShowPathEllipsis));
    SIZE size = TextSize(text);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (size.cx <= width && size.cy <= height)
        flags |= cxDontClip;
    const int shift = enabled ? 0 : 1;
    UINT dt = 0, eto = 0;
    if (drawTextMode) {
        if (!(flags & cxSingleLine) && (flags & (cxAlignBottom | cxAlignVCenter)))
            AlignMultiLineText(text, r, flags, enabled);
        dt = cxFlagsToDTFlags(flags);
    } else {
        if (size.cx < width) {
            if (flags & cxAlignRight)
                r.left = r.right - size.cx - shift;
            else if (flags & cxAlignHCenter)
                r.left = (r.left + r.right - size.cx) / 2;
        }
        if (size.cy < height) {
            if (flags & cxAlignBottom)
                r.top = r.bottom - size.cy - shift;
            else if (flags & cxAlignVCenter)
                r.top = (r.top + r.bottom - size.cy) / 2;
        }
        eto = flags & cxDontClip ? 0 : ETO_CLIPPED;
    }
    auto draw = [&](RECT at) {
        HDC dc = Handle();
        if (drawTextMode)
            DrawTextA(dc, text.data(), static_cast<int>(text.size()), &at, dt);
        else
            ExtTextOutA(dc, at.left, at.top, eto, &at, text.data(), static_cast<UINT>(text.size()), nullptr);
    };
    const TBrushStyle brushStyle = Brush().Style();
    const TColor fontColor = Font().Color();
    if (!enabled) {
        Brush().SetStyle(TBrushStyle::bsClear);
        Font().SetColor(clBtnHighlight);
        RECT moved = r;
        OffsetRect(&moved, 1, 1);
        draw(moved);
        Font().SetColor(clBtnShadow);
    }
    draw(r);
    if (Brush().Style() != brushStyle)
        Brush().SetStyle(brushStyle);
    Font().SetColor(fontColor);
}
