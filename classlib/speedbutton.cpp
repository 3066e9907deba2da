#include "classlib/speedbutton.h"

#include <cctype>

#include "classlib/glyphs.h"

namespace {
constexpr int kGlyphSize = 20;
}

TCreateParams TSpeedButton::CreateParams() const
{
    // A quick second click is a click of its own (keypad keys are typed twice).
    TCreateParams params = TGraphicControl::CreateParams();
    params.classStyle &= ~CS_DBLCLKS;
    return params;
}

void TSpeedButton::SetDown(bool down)
{
    if (down && groupIndex_ != 0 && Parent()) {
        for (TControl* c : Parent()->Controls())
            if (auto* other = dynamic_cast<TSpeedButton*>(c); other && other != this && other->groupIndex_ == groupIndex_)
                other->down_ = false, other->Invalidate();
    }
    down_ = down;
    Invalidate();
}

void TSpeedButton::SetImageIndex(int index)
{
    imageIndex_ = index;
    Invalidate();
}

void TSpeedButton::Click()
{
    if (groupIndex_ != 0)
        SetDown(down_ && allowAllUp_ ? false : true);
    TControl::Click();
}

bool TSpeedButton::IsAccelerator(char key) const
{
    std::string caption = Text();
    size_t amp = caption.find('&');
    return amp != std::string::npos && amp + 1 < caption.size() &&
           std::toupper(static_cast<unsigned char>(caption[amp + 1])) == std::toupper(static_cast<unsigned char>(key));
}

const TMessageMap& TSpeedButton::Messages() const
{
    static const TMessageMap map(TGraphicControl::Messages(), {
                                                           {BM_CLICK, &TSpeedButton::BMClick},
                                                           {WM_CAPTURECHANGED, &TSpeedButton::WMCaptureChanged},
                                                           {CM_DIALOGCHAR, &TSpeedButton::CMDialogChar},
                                                       });
    return map;
}

void TSpeedButton::BMClick(TMessage&)
{
    if (Enabled())
        Click();
}

void TSpeedButton::CMDialogChar(TMessage& m)
{
    if (IsAccelerator(static_cast<char>(m.WParam)) && Showing() && Enabled()) {
        Click();
        m.Result = 1;
    }
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        pressed_ = inside_ = true;
        Invalidate();
    }
    TControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    if (pressed_) {
        RECT r = ClientRect();
        bool inside = PtInRect(&r, POINT{x, y}) != FALSE;
        if (inside != inside_)
            inside_ = inside, Invalidate();
    }
    TControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && pressed_) {
        bool click = inside_;
        pressed_ = false;
        // Let go before the click: its handler may open a window.
        SetMouseCapture(false);
        Invalidate();
        const TLiveness alive = Liveness();
        if (click)
            Click();
        if (!alive)
            return;
    }
    TControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::MouseEnter()
{
    hot_ = true;
    Invalidate();
    TControl::MouseEnter();
}

void TSpeedButton::MouseLeave()
{
    hot_ = false;
    Invalidate();
    TControl::MouseLeave();
}

void TSpeedButton::WMCaptureChanged(TMessage& m)
{
    if (pressed_)
        pressed_ = false, Invalidate();
    TGraphicControl::Messages().Dispatch(*this, m);
}

void TSpeedButton::Paint()
{
    RECT r = ClientRect();
    Canvas().FillRect(r);
    HDC dc = Canvas().Handle();
    bool sunk = down_ || (pressed_ && inside_);
    if (sunk)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ || !flat_)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);

    std::string caption = Text();
    SIZE text{0, 0};
    if (!caption.empty()) {
        RECT calc{0, 0, 0, 0};
        DrawTextA(dc, caption.c_str(), -1, &calc, DT_CALCRECT | DT_SINGLELINE);
        text = {calc.right, calc.bottom};
    }
    HIMAGELIST images = Images();
    int glyph = images && imageIndex_ >= 0 ? kGlyphSize : 0;
    int gap = glyph && text.cx ? 2 : 0;
    int x = (r.right - (glyph + gap + text.cx)) / 2 + (sunk ? 1 : 0);
    int y = sunk ? 1 : 0;
    if (glyph) {
        int gw = 0, gh = 0;
        ImageList_GetIconSize(images, &gw, &gh);
        ImageList_Draw(images, imageIndex_, dc, x, (r.bottom - gh) / 2 + y, ILD_TRANSPARENT);
        x += gw + gap;
    }
    if (text.cx) {
        RECT tr{x, y, x + text.cx, r.bottom + y};
        Canvas().Brush().SetStyle(TBrushStyle::bsClear);
        if (!Enabled())
            Canvas().Font().SetColor(clGrayText);
        DrawTextA(Canvas().Handle(), caption.c_str(), -1, &tr, DT_SINGLELINE | DT_VCENTER);
    }
}

const TPropertyTable& TSpeedButton::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TSpeedButton>(TControl::Properties(), {
        {"Down", [](TSpeedButton& b, const TPropertyValue& v) { b.SetDown(v.Bool()); }},
        {"GroupIndex", [](TSpeedButton& b, const TPropertyValue& v) { b.groupIndex_ = v.Int(); }},
        {"AllowAllUp", [](TSpeedButton& b, const TPropertyValue& v) { b.allowAllUp_ = v.Bool(); }},
        {"Flat", [](TSpeedButton& b, const TPropertyValue& v) { b.flat_ = v.Bool(); }},
        {"Glyph", [](TSpeedButton& b, const TPropertyValue& v) {
             b.ownGlyph_ = MakeGlyphImages({v.Text()}, kGlyphSize);
             b.images_ = nullptr;
             b.imageIndex_ = 0;
         }},
        {"Images", [](TSpeedButton& b, const TPropertyValue& v) {
             if (!b.Owner())
                 throw EComponentError("No form to find " + v.Text());
             b.images_ = &b.Owner()->Component<TImageList>(v.Text());
         }},
        {"ImageIndex", [](TSpeedButton& b, const TPropertyValue& v) { b.SetImageIndex(v.Int()); }},
    });
    return table;
}
