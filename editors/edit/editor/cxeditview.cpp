// The editor's look: a view data made for the style in force computes the
// view information, which the container places the inner control by and
// paints; presses released over the same button click it.
#include "classlib/canvas.h"
#include "editors/edit/container/cxcontainerutils.h"
#include "editors/edit/editor/cxedit.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/foundation/painters/cxpaintergeometry.h"

std::unique_ptr<TcxCustomEditViewData> TcxCustomEdit::MakeViewData()
{
    auto& style = static_cast<TcxCustomEditStyle&>(GetActiveStyle());
    std::unique_ptr<TcxCustomEditViewData> data = GetEffectiveProperties().NewViewData(&style, inPlace_);
    if (inPlace_ && contentMetricsComputed_)
        data->ContentParams = cachedContentMetrics_;
    // A kind whose inner edit is missing computes as if it had no editor.
    const bool lacksInnerEdit = GetInnerEditClass() && !innerEdit_;
    if (!lacksInnerEdit && !(ComponentState() & csDestroying))
        data->Edit = this;
    if (HandleAllocated())
        data->WindowHandle = Handle();
    FillViewState(data->ViewState);
    return data;
}

void TcxCustomEdit::FillViewState(TcxEditViewState& state)
{
    state.Enabled = Enabled();
    state.Focused = Focused();
    state.HorzScrollBar = HScrollBar() && HScrollBar()->Visible();
    state.VertScrollBar = VScrollBar() && VScrollBar()->Visible();
    state.InnerEdit = IsInnerEditVisible();
    state.Designing = ComponentState() & csDesigning;
}

void TcxCustomEdit::ComputeViewInfo(POINT p, bool)
{
    TcxCustomEditViewInfo& vi = ViewInfo();
    MakeViewData()->Compute(cxCanvas(), TRect{0, 0, Width(), Height()}, p, capturedButton_, computeShift_, vi);
    if (IsInnerEditVisible() && innerEdit_) {
        const TWinControl& inner = innerEdit_->WinControl();
        vi.InnerEditRect = TRect{inner.Left(), inner.Top(), inner.Left() + inner.Width(), inner.Top() + inner.Height()};
    } else {
        vi.InnerEditRect = TRect{};
    }
}

// The window region is the frame's, buttons included: the insets end at
// the rectangle inside the border.
TcxContainerInsets TcxCustomEdit::GetContentInsets()
{
    const TcxCustomEditViewInfo& vi = ViewInfo();
    return {vi.InnerRect.left - vi.OuterBounds.left, vi.InnerRect.top - vi.OuterBounds.top,
            vi.OuterBounds.right - vi.InnerRect.right, vi.OuterBounds.bottom - vi.InnerRect.bottom};
}

bool TcxCustomEdit::UpdateViewInfo(POINT p, TShiftState shift, bool isMouseEvent)
{
    if (!HandleAllocated() || creating_ || (ComponentState() & csDestroying))
        return false;
    if (!MouseCapture())
        capturedButton_ = -1;
    std::unique_ptr<TcxCustomEditViewInfo> old = GetEffectiveProperties().ViewInfoClassOf()();
    old->Assign(ViewInfo());
    const TLiveness alive = Liveness();
    computeShift_ = shift;
    TcxContainer::UpdateViewInfo(p, shift, isMouseEvent);
    if (!alive)
        return true;
    computeShift_ = 0;
    // The container repaints its frame; the buttons inside it are the view's to repaint.
    const TcxRegion changed = ViewInfo().ChangedRegion(*old);
    if (HandleAllocated() && !cxRectIsEmpty(changed.Bounds()))
        InvalidateRgn(Handle(), changed.Handle(), FALSE);
    RepaintChanged(*old);
    return true;
}

void TcxCustomEdit::UpdateWindowRegion()
{
    TFlagScope setting(Liveness(), settingWindowRegion_);
    TcxContainer::UpdateWindowRegion();
}

void TcxCustomEdit::RepaintChanged(const TcxCustomEditViewInfo& old)
{
    const TcxCustomEditViewInfo& vi = ViewInfo();
    if (vi.PressedButton == old.PressedButton && vi.HotButton == old.HotButton)
        return;
    const TLiveness alive = Liveness();
    if (old.PressedButton >= 0 && old.PressedButton < old.ButtonCount()) {
        const int index = old.Button(old.PressedButton).Index;
        // A press released over the same button clicks it.
        const bool clicked = vi.HotButton == old.PressedButton;
        ButtonReleasedHook(index);
        if (alive && clicked)
            DoButtonClick(index);
    } else if (vi.PressedButton >= 0) {
        ButtonPressedHook(vi.Button(vi.PressedButton).Index);
    }
}

bool TcxCustomEdit::PaintsThroughStorage() const
{
    const IcxEditDefaultValuesProvider* provider = DataBinding().GetDefaultValuesProvider();
    return provider && provider->IsValueStore() && (ControlState() & csPaintCopy);
}

void TcxCustomEdit::Paint()
{
    if (PaintsThroughStorage()) {
        PaintWithFreshViewInfo();
        return;
    }
    if (ControlState() & csPaintCopy)
        ClipToWindowRegion();
    if (cxRectIsEmpty(ViewInfo().OuterBounds))
        ComputeViewInfo(POINT{-1, -1}, false);
    PaintView(ViewInfo());
}

// A copy painted for another control: computed afresh, away from the cursor.
void TcxCustomEdit::PaintWithFreshViewInfo()
{
    std::unique_ptr<TcxCustomEditViewInfo> vi = GetEffectiveProperties().ViewInfoClassOf()();
    std::unique_ptr<TcxCustomEditViewData> data = MakeViewData();
    data->Edit = this;
    data->Compute(cxCanvas(), TRect{0, 0, Width(), Height()}, POINT{-1, -1}, -1, 0, *vi);
    const TLiveness alive = Liveness();
    PaintView(*vi);
    if (alive)
        cxCanvas().ExcludeClipRect(TRect{0, 0, Width(), Height()});
}

// A draw handler may free the editor, its canvas and (unless kept for
// the paint) its view information: the view is painted on a canvas of its
// own and stops after such a handler.
void TcxCustomEdit::PaintView(TcxCustomEditViewInfo& vi)
{
    TCanvas lent;
    lent.SetHandle(cxCanvas().Handle());
    lent.SetFont(Font());
    TcxCanvas canvas(lent);
    const TLiveness alive = Liveness();
    std::unique_ptr<TcxContainerViewInfo> kept;
    TcxContainerViewInfo* const current = &TcxContainer::ViewInfo();
    if (&vi == current)
        paintKeep_ = &kept;
    vi.SetPaintOwner(alive);
    vi.Paint(canvas);
    if (!alive)
        return;
    vi.SetPaintOwner(std::nullopt);
    paintKeep_ = nullptr;
    lent.SetHandle(nullptr);
}

// The view information being painted outlives the editor until the paint ends.
void TcxCustomEdit::BeforeDestruction()
{
    if (paintKeep_)
        *paintKeep_ = SetViewInfo(GetEffectiveProperties().ViewInfoClassOf()());
    TcxContainer::BeforeDestruction();
}
