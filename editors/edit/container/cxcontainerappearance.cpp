// How the styles' colour and font reach the container and its inner
// control, and how a colour or font set on the control, or followed from
// its parent, goes back into the normal style.
#include "classlib/liveness.h"
#include "classlib/messages.h"
#include "editors/edit/container/cxcontainer.h"

namespace {

bool IsOwnValue(const TcxContainerStyle& style, TcxContainerStyleValue value)
{
    return style.AssignedValues() & cxStyleValueBit(value);
}

} // namespace

void TcxContainer::SyncInnerControlAppearance()
{
    if (!innerControl_)
        return;
    innerControl_->SetColor(viewInfo_->BackgroundColor);
    const TFont& font = GetActiveStyle().VisibleFont();
    if (!(innerControl_->Font() == font))
        innerControl_->Font().Assign(font);
}

void TcxContainer::ApplyStyle(TcxContainerStyle&)
{
    if (creating_ || (ComponentState() & csLoading))
        return;
    const TLiveness alive = Liveness();
    RefreshAtCursor();
    if (!alive)
        return;
    const TcxContainerStyle& normal = styles_->StyleNormal();
    TFlagScope internal(alive, internalSetting_);
    // Setting the colour the control already shows would end ParentColor,
    // and setting its font would end ParentFont.
    if ((!ParentColor() || normal.IsValueProvided(svColor)) && Color() != normal.ColorForControl())
        SetColor(normal.ColorForControl());
    if (alive && !(Font() == *normal.Font()))
        Font().Assign(*normal.Font());
    if (alive && IsOwnValue(normal, svFont))
        SetParentFont(false);
}

void TcxContainer::ClearOwnStyleValue(TcxContainerStyleValue value)
{
    TcxContainerStyle& normal = styles_->StyleNormal();
    normal.SetAssignedValues(normal.AssignedValues() & ~cxStyleValueBit(value));
}

void TcxContainer::ColorChanged()
{
    const TLiveness alive = Liveness();
    if (internalSetting_ || creating_) {
        TcxControl::ColorChanged();
        if (alive)
            RefreshAtCursor();
        return;
    }
    styles_->StyleNormal().SetColor(Color());
    // Taking the parent's colour makes no colour of the style's own.
    if (alive && ParentColor())
        ClearOwnStyleValue(svColor);
}

void TcxContainer::CMFontChanged(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (!internalSetting_) {
        styles_->StyleNormal().TakeContainerFont(Font());
        if (alive)
            TcxControl::Messages().Dispatch(*this, m);
        return;
    }
    TcxControl::Messages().Dispatch(*this, m);
    if (alive)
        PlaceInnerControl();
    if (alive)
        SyncInnerScrollBars(false);
    if (alive)
        RefreshAtCursor();
}

// The inherited handling, after which the normal style's value stays its
// own only when it was before and the control does not follow its parent.
bool TcxContainer::PassParentChange(TMessage& m, TcxContainerStyleValue value)
{
    const TLiveness alive = Liveness();
    const bool wasOwn = IsOwnValue(styles_->StyleNormal(), value);
    TcxControl::Messages().Dispatch(*this, m);
    if (!alive)
        return false;
    const bool followsParent = value == svColor ? ParentColor() : ParentFont();
    if (!wasOwn || followsParent)
        ClearOwnStyleValue(value);
    return static_cast<bool>(alive);
}

void TcxContainer::CMParentColorChanged(TMessage& m)
{
    const TLiveness alive = Liveness();
    if (!PassParentChange(m, svColor))
        return;
    TcxContainerStyle& normal = styles_->StyleNormal();
    if (normal.Color() != Color())
        ApplyStyle(normal);
    if (alive && IsTransparentLook() && !ParentColor())
        Invalidate();
}

void TcxContainer::CMParentFontChanged(TMessage& m)
{
    if (PassParentChange(m, svFont) && !ParentFont())
        styles_->StyleNormal().DeriveFont();
}
