#include "editors/controls/text/cxtexteditviewdata.h"

#include "classlib/canvas.h"
#include "editors/controls/text/cxtextedit.h"
#include "editors/controls/text/cxtexteditproperties.h"
#include "editors/controls/text/cxtexteditviewinfo.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/foundation/graphics/cxdrawtextutils.h"
#include "editors/foundation/system/cxdwmapi.h"

namespace {

// The text properties let their editors lay a text out in rows.
constexpr TcxEditSupportedOperations kMultiRowText = 4;
// The drop-down button's theme state while normal.
constexpr int kThemeStateNormal = 1;

TcxTextEditAlignment AlignmentOf(const TcxEditAlignment& a)
{
    TcxTextEditAlignment result;
    result.Horz = a.Horz() == TAlignment::taRightJustify ? cxtaRight
                  : a.Horz() == TAlignment::taCenter     ? cxtaCenter
                                                         : cxtaLeft;
    result.Vert = a.Vert() == taBottomJustify ? cxtvBottom : a.Vert() == taVCenter ? cxtvCenter : cxtvTop;
    return result;
}

// A memory DC with the style's font, for measuring without a canvas.
class TMeasuringCanvas {
public:
    explicit TMeasuringCanvas(const TFont* font) : dc_(CreateCompatibleDC(nullptr))
    {
        canvas_.SetHandle(dc_);
        if (font)
            canvas_.SetFont(*font);
    }
    ~TMeasuringCanvas()
    {
        canvas_.SetHandle(nullptr);
        DeleteDC(dc_);
    }
    TMeasuringCanvas(const TMeasuringCanvas&) = delete;
    TMeasuringCanvas& operator=(const TMeasuringCanvas&) = delete;
    HDC Handle() { return canvas_.Handle(); }
    int LineHeight() { return canvas_.TextHeight("Zg"); }

private:
    HDC dc_;
    TCanvas canvas_;
};

} // namespace

TcxCustomTextEditViewData::TcxCustomTextEditViewData(TcxCustomEditProperties& properties, TcxCustomEditStyle* style,
                                                     bool inplace)
    : TcxCustomEditViewData(properties, style, inplace)
{
}

std::unique_ptr<TcxCustomEditViewData> TcxCustomTextEditViewData::Create(TcxCustomEditProperties& properties,
                                                                         TcxCustomEditStyle* style, bool inplace)
{
    auto data = std::make_unique<TcxCustomTextEditViewData>(properties, style, inplace);
    data->LoadProperties();
    return data;
}

TcxCustomTextEditProperties& TcxCustomTextEditViewData::TextProperties() const
{
    return static_cast<TcxCustomTextEditProperties&>(EditProperties());
}

void TcxCustomTextEditViewData::LoadProperties()
{
    TcxCustomEditViewData::LoadProperties();
    const TcxCustomTextEditProperties& p = TextProperties();
    alignment_ = AlignmentOf(p.Alignment());
    mode_ = p.GetEditingMode();
    fixedListSelection_ = p.FixedListSelection();
    ProviderFormatsValues = p.ViewDataLoadFlag() && p.UsesProviderDisplayFormat();
}

std::string TcxCustomTextEditViewData::DisplayValueToText(const std::string& text) const
{
    return TextProperties().ApplyEchoAndCase(text);
}

TcxTextEditMargins TcxCustomTextEditViewData::TextMargins() const
{
    const TcxContainerInsets& m = ContentParams.Margins;
    return {m.Left, m.Top, m.Right, m.Bottom};
}

void TcxCustomTextEditViewData::Compute(TcxCanvas& canvas, const TRect& bounds, POINT p, int pressedButton,
                                        TShiftState shift, TcxCustomEditViewInfo& viewInfo)
{
    TcxCustomEditViewData::Compute(canvas, bounds, p, pressedButton, shift, viewInfo);
    auto* vi = dynamic_cast<TcxCustomTextEditViewInfo*>(&viewInfo);
    if (!vi)
        return;
    const auto* edit = dynamic_cast<const TcxCustomTextEdit*>(Edit);
    vi->DrawSelectionBar = false;
    vi->EditingMode = mode_;
    vi->HasInnerEdit = edit && edit->InnerTextEdit();
    vi->PopupOpen = false;
    vi->TextColor = TextColor != clDefault ? TextColor : EditStyle().TextColor();
    vi->Text = DisplayValueToText(edit ? edit->Text() : EditText);

    if (vi->Font)
        canvas.SetFont(*vi->Font);
    const TcxTextEditMargins margins = cxTextEditTextMargins(TextMargins(), Inplace(), mode_, alignment_);
    vi->TextRect = cxTextEditTextRect(vi->ContentRect, margins, Inplace(), canvas.TextHeight("Zg"));
    vi->MaxRowCount = MaxRowCount;
    vi->RowsValid = false;
    vi->TextFlags = cxTextEditTextFlags(alignment_);
    vi->MultiRow = MultiRowAllowed && (TextProperties().GetSupportedOperations() & kMultiRowText);

    const bool find = edit && edit->FindSelection();
    const int start = edit ? edit->SelectionStart() : 0, length = edit ? edit->SelectionLength() : 0;
    const auto listHighlight = cxTextEditListHighlight(mode_, find, fixedListSelection_, vi->DrawSelectionBar,
                                                       static_cast<int>(vi->Text.size()), start, length);
    vi->Highlight = listHighlight ? *listHighlight
                                  : cxTextEditSelectionColors(SelectionTextColor, SelectionBackgroundColor,
                                                              EditStyle().Color());
}

TSize TcxCustomTextEditViewData::GetExtraContentSize() const
{
    const auto* edit = dynamic_cast<const TcxCustomTextEdit*>(Edit);
    const std::string text = DisplayValueToText(edit ? edit->Text() : EditText);
    const TcxCustomEditStyle& style = EditStyle();
    TMeasuringCanvas canvas(style.DirectAccessMode() ? style.Font() : &style.VisibleFont());
    const HDC dc = canvas.Handle();
    TcxTextEditSizeRequest request;
    request.RowLimit = MaxRowCount;
    request.EmptyHasNoHeight = EmptyTextHasNoHeight;
    request.OnePixelWider = alignment_.Horz == cxtaRight && (mode_ == temFixedList || mode_ == temNoEdit);
    request.Margins = TextMargins();
    return cxTextEditContentSize(
        text, request, canvas.LineHeight(), [dc](unsigned f) { return cxInitTextParams(dc, f); },
        [dc](const char* p, int length) { return cxTextRangeWidth(dc, p, length, false); });
}

void TcxCustomTextEditViewData::ResolveButtonThemePart(TcxEditButtonViewInfo& button)
{
    TcxCustomEditViewData::ResolveButtonThemePart(button);
    if (button.NativeStyle && button.OnlyDropDownButton && !Inplace() && mode_ == temFixedList &&
        cxDesktopCompositionActive() && button.Data.State != ebsDisabled)
        button.Data.NativeState = kThemeStateNormal;
}

TcxTextEditHighlight cxTextEditSelectionColors(TColor text, TColor background, TColor styleColor)
{
    auto inverse = [](TColor c) { return static_cast<TColor>(~ColorToRGB(c) & 0xFFFFFF); };
    TcxTextEditHighlight h;
    if (text != clDefault && background != clDefault)
        h.TextColor = text, h.BackgroundColor = background;
    else if (text != clDefault)
        h.TextColor = text, h.BackgroundColor = inverse(text);
    else if (background != clDefault)
        h.TextColor = inverse(background), h.BackgroundColor = background;
    else if (styleColor == clHighlight)
        h.TextColor = 0x000000, h.BackgroundColor = 0xFFFFFF;
    return h;
}

TcxCustomEditViewDataClass TcxCustomTextEditProperties::GetViewDataClass() const
{
    return &TcxCustomTextEditViewData::Create;
}

TcxCustomEditViewInfoClass TcxCustomTextEditProperties::ViewInfoClassOf() const
{
    return []() -> std::unique_ptr<TcxCustomEditViewInfo> { return std::make_unique<TcxCustomTextEditViewInfo>(); };
}
