#include "classlib/canvas.h"

#include "classlib/exceptions.h"
#include "classlib/graphic.h"

TCanvas::~TCanvas()
{
    // A descendant frees a DC it made in its own destructor; a borrowed one gets its objects back.
    Deselect(kAll);
}

HDC TCanvas::Handle()
{
    return Require(kAll);
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    Deselect(kAll);
    if (ownHandle_)
        DeleteHandle(dc_);
    dc_ = dc;
    ownHandle_ = false;
}

HDC TCanvas::Require(unsigned objects)
{
    if (!dc_) {
        dc_ = CreateHandle();
        ownHandle_ = dc_ != nullptr;
        if (!dc_)
            throw EInvalidOperation("Canvas does not allow drawing");
    }
    unsigned missing = objects & ~selected_;
    if (missing & kFont) {
        oldFont_ = SelectObject(dc_, font_.Handle());
        SetTextColor(dc_, ColorToRGB(font_.Color()));
    }
    if (missing & kBrush) {
        UnrealizeObject(brush_.Handle());
        oldBrush_ = SelectObject(dc_, brush_.Handle());
        // Text and hatch gaps: filled with the brush colour, or left alone for a clear brush.
        SetBkColor(dc_, ColorToRGB(brush_.Color()));
        SetBkMode(dc_, brush_.Style() == TBrushStyle::bsSolid ? OPAQUE : TRANSPARENT);
    }
    if (missing & kPen)
        oldPen_ = SelectObject(dc_, pen_.Handle());
    selected_ |= missing;
    return dc_;
}

void TCanvas::Deselect(unsigned objects)
{
    unsigned present = objects & selected_;
    if (present & kFont)
        SelectObject(dc_, oldFont_);
    if (present & kBrush)
        SelectObject(dc_, oldBrush_);
    if (present & kPen)
        SelectObject(dc_, oldPen_);
    selected_ &= ~present;
}

TFont& TCanvas::Font()
{
    Deselect(kFont);
    return font_;
}

TBrush& TCanvas::Brush()
{
    Deselect(kBrush);
    return brush_;
}

TPen& TCanvas::Pen()
{
    Deselect(kPen);
    return pen_;
}

void TCanvas::SetFont(const TFont& font)
{
    Font().Assign(font);
}

void TCanvas::FillRect(const RECT& r)
{
    ::FillRect(Require(kBrush), &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r)
{
    ::FrameRect(Require(kBrush), &r, brush_.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    ::Rectangle(Require(kPen | kBrush), left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y)
{
    MoveToEx(Require(0), x, y, nullptr);
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    HDC dc = Require(kPen | kBrush);
    MoveToEx(dc, penPos_.x, penPos_.y, nullptr);
    ::LineTo(dc, x, y);
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<POINT>& points)
{
    if (!points.empty())
        ::Polyline(Require(kPen | kBrush), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(const std::vector<POINT>& points)
{
    if (!points.empty())
        ::Polygon(Require(kPen | kBrush), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    ::Ellipse(Require(kPen | kBrush), left, top, right, bottom);
}

void TCanvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    ::Arc(Require(kPen | kBrush), left, top, right, bottom, x1, y1, x2, y2);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    ::TextOutA(Require(kFont | kBrush), x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& text)
{
    HDC dc = Require(kFont | kBrush);
    UINT options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
    ExtTextOutA(dc, x, y, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::string& text)
{
    SIZE size{0, 0};
    GetTextExtentPoint32A(Require(kFont), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    if (!graphic.Empty())
        graphic.Draw(*this, RECT{x, y, x + graphic.Width(), y + graphic.Height()});
}

void TCanvas::StretchDraw(const RECT& r, const TGraphic& graphic)
{
    if (!graphic.Empty())
        graphic.Draw(*this, r);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect)
{
    HDC from = source.Require(0);
    StretchBlt(Require(kBrush), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, from,
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, copyMode_);
}

TColor TCanvas::Pixels(int x, int y)
{
    return static_cast<TColor>(GetPixel(Require(0), x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    SetPixel(Require(0), x, y, ColorToRGB(color));
}

void TCanvas::Lock()
{
    lock_.lock();
    ++lockCount_;
}

void TCanvas::Unlock()
{
    --lockCount_;
    lock_.unlock();
}
