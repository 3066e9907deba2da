// The editor's size: auto size makes it as high (and, with buttons only,
// as wide) as its view data measures, for every size asked of it.
#include <algorithm>

#include "editors/edit/editor/cxedit.h"
#include "editors/foundation/graphics/cxgraphics.h"

bool TcxCustomEdit::IsAutoHeight() const
{
    return !inPlace_ && autoSize_;
}

// The buttons style kind whose editor is as wide as its buttons.
bool TcxCustomEdit::IsAutoWidth() const
{
    return GetEffectiveProperties().ButtonsStyleKind() == 2;
}

TcxEditSizeProperties TcxCustomEdit::GetSizeRequest() const
{
    TcxEditSizeProperties request;
    request.Width = Width();
    return request;
}

void TcxCustomEdit::ApplyAutoSize(int& width, int& height)
{
    if (!IsAutoHeight())
        return;
    const TcxEditSizeProperties request = GetSizeRequest();
    TcxEditSizeLimits limits;
    if (request.Width > 0 && !IsAutoWidth())
        limits.MinWidth = limits.MaxWidth = request.Width;
    const TSize size = MakeViewData()->GetEditSize(cxGetScreenCanvas(), limits);
    const TAlign align = Align();
    if (IsAutoWidth() && (align == TAlign::alNone || align == TAlign::alLeft || align == TAlign::alRight))
        width = size.cx;
    if (align == TAlign::alNone || align == TAlign::alTop || align == TAlign::alBottom)
        height = size.cy;
}

bool TcxCustomEdit::CanResize(int& newWidth, int& newHeight)
{
    const bool allowed = TcxContainer::CanResize(newWidth, newHeight);
    if (allowed && !(ComponentState() & csLoading))
        ApplyAutoSize(newWidth, newHeight);
    return allowed;
}

void TcxCustomEdit::PlaceInnerControl()
{
    const TLiveness alive = Liveness();
    if (HandleAllocated() && !(ComponentState() & csDestroying)) {
        int width = Width(), height = Height();
        ApplyAutoSize(width, height);
        if (width != Width() || height != Height())
            SetBounds(Left(), Top(), width, height);
    }
    if (alive && innerEdit_)
        AdjustInnerEditPosition();
}

void TcxCustomEdit::CMShowingChanged(TMessage& m)
{
    const TLiveness alive = Liveness();
    TcxContainer::Messages().Dispatch(*this, m);
    if (alive && m.WParam)
        PlaceInnerControl();
}

void TcxCustomEdit::SetAutoSize(bool value)
{
    if (inPlace_ || autoSize_ == value)
        return;
    autoSize_ = value;
    if (!value)
        return;
    const TLiveness alive = Liveness();
    if (!HandleAllocated() && Parent() && Parent()->HandleAllocated())
        CreateHandle();
    if (alive)
        PlaceInnerControl();
    if (alive)
        RefreshAtCursor();
}

int TcxCustomEdit::GetHeight()
{
    if (!gettingHeight_ && !HandleAllocated() && !(ComponentState() & csDestroying) && Parent() &&
        Parent()->HandleAllocated()) {
        TFlagScope getting(Liveness(), gettingHeight_);
        CreateHandle();
    }
    return Height();
}
