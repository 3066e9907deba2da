// The keyboard, mouse, focus, inner-control, painting and size operations
// in their plainest form: each leaves the work to the container.
#include "editors/edit/editor/cxedit.h"

#include "editors/edit/styles/cxeditstyle.h"

void TcxCustomEdit::AdjustInnerEditPosition() {}

bool TcxCustomEdit::IsAutoHeight() const
{
    return !inPlace_ && autoSize_;
}

bool TcxCustomEdit::IsAutoWidth() const
{
    return GetEffectiveProperties().ButtonsStyleKind() == 2;
}

IcxCustomInnerEdit* TcxCustomEdit::CreateInnerEdit()
{
    const TcxInnerEditClass innerEditClass = GetInnerEditClass();
    if (!innerEditClass)
        return nullptr;
    TComponent& made = Adopt(innerEditClass(*this));
    if (auto* helper = dynamic_cast<IcxInnerEditHelper*>(&made))
        return &helper->GetHelper();
    return dynamic_cast<IcxCustomInnerEdit*>(&made);
}

std::unique_ptr<TcxCustomEditViewData> TcxCustomEdit::MakeViewData()
{
    auto data = GetEffectiveProperties().NewViewData(dynamic_cast<TcxCustomEditStyle*>(&GetActiveStyle()), inPlace_);
    if (inPlace_ && contentMetricsComputed_)
        data->ContentParams = cachedContentMetrics_;
    data->Edit = this;
    data->WindowHandle = Handle();
    FillViewState(data->ViewState);
    return data;
}

void TcxCustomEdit::ClickDefaultButton()
{
    if (const int index = DefaultButtonIndex(); index >= 0)
        DoButtonClick(index);
}

void TcxCustomEdit::DoButtonClick(int index)
{
    CallPropertiesHandlers(&TcxCustomEditProperties::OnButtonClick, index);
}

int TcxCustomEdit::DefaultButtonIndex() const
{
    for (int i = 0; i < ViewInfo().ButtonCount(); ++i)
        if (ViewInfo().Button(i).Default)
            return i;
    return -1;
}

int TcxCustomEdit::ButtonAtPoint(POINT p) const
{
    return ViewInfo().ButtonIndexAt(p);
}

void TcxCustomEdit::DoEditKeyDown(WORD&, TShiftState) {}
void TcxCustomEdit::DoEditKeyPress(char&) {}
void TcxCustomEdit::FocusChangedValidate() {}
void TcxCustomEdit::OnFocusEnter() {}

TcxEditSizeProperties TcxCustomEdit::GetSizeRequest() const
{
    TcxEditSizeProperties request;
    request.Width = Width();
    return request;
}

void TcxCustomEdit::InitializeInnerEdit()
{
    innerEdit_->AttachToEditor(*this);
}

void TcxCustomEdit::FillViewState(TcxEditViewState& state)
{
    state.Enabled = Enabled();
    state.Focused = Focused();
    state.InnerEdit = innerEdit_ != nullptr;
}

bool TcxCustomEdit::HasFocusOrActiveForm() const
{
    return Focused();
}

bool TcxCustomEdit::PaintsThroughStorage() const
{
    return false;
}

bool TcxCustomEdit::HandleClickKey(WORD, TShiftState)
{
    return false;
}

bool TcxCustomEdit::IsTransparent() const
{
    return transparent_ || IsTransparentHook();
}

void TcxCustomEdit::PaintWithFreshViewInfo() {}
void TcxCustomEdit::RepaintChanged(const TcxCustomEditViewInfo&) {}

void TcxCustomEdit::SetAutoSize(bool value)
{
    if (!inPlace_)
        autoSize_ = value;
}

bool TcxCustomEdit::CheckEditingKey(WORD, TShiftState)
{
    return true;
}

void TcxCustomEdit::DoKeyPressEditing(char&) {}

void TcxCustomEdit::InnerEditWndProc(TMessage& m)
{
    if (innerEditPrevWndProc_)
        innerEditPrevWndProc_(m);
}

void TcxCustomEdit::HookInnerEditWindow() {}
void TcxCustomEdit::UnhookInnerEditWindow() {}
void TcxCustomEdit::ActivateByKey(char, TcxInplaceEditData* editData)
{
    BeginInplaceEditing(editData);
}

void TcxCustomEdit::ActivateByMouse(TShiftState, int, int, TcxInplaceEditData* editData)
{
    BeginInplaceEditing(editData);
}

bool TcxCustomEdit::IsChildWindowOf(HWND window) const
{
    return HandleAllocated() && IsChild(window, Handle());
}

bool TcxCustomEdit::ShowsEditFormat() const
{
    return Focused() || !GetEffectiveProperties().HasUnfocusedDisplay();
}

bool TcxCustomEdit::CanUseMouseWheel(TShiftState shift) const
{
    return !inPlace_ || GetEffectiveProperties().InplaceMouseWheel() || (shift & ssCtrl);
}

bool TcxCustomEdit::IsClearOrClickKey(WORD key, TShiftState shift) const
{
    const TShortCut shortCut = ShortCut(key, shift);
    const TcxCustomEditProperties& properties = GetEffectiveProperties();
    return shortCut == properties.ClearKey() || (DefaultButtonIndex() >= 0 && shortCut == properties.ButtonClickKey());
}

int TcxCustomEdit::GetHeight()
{
    return Height();
}

void TcxCustomEdit::CreateHandle()
{
    TcxContainer::CreateHandle();
}

TcxContainerInsets TcxCustomEdit::GetContentInsets()
{
    return TcxContainer::GetContentInsets();
}

void TcxCustomEdit::PlaceInnerControl()
{
    TcxContainer::PlaceInnerControl();
}

bool TcxCustomEdit::UpdateViewInfo(POINT p, TShiftState shift, bool isMouseEvent)
{
    return TcxContainer::UpdateViewInfo(p, shift, isMouseEvent);
}

bool TcxCustomEdit::IsNativeStyle() const
{
    return TcxContainer::IsNativeStyle();
}

void TcxCustomEdit::FocusInnerControl()
{
    TcxContainer::FocusInnerControl();
}

void TcxCustomEdit::GetTabOrderList(std::vector<TControl*>& list) const
{
    TcxContainer::GetTabOrderList(list);
}

void TcxCustomEdit::KeyDown(WORD& key, TShiftState shift)
{
    TcxContainer::KeyDown(key, shift);
}

void TcxCustomEdit::KeyPress(char& key)
{
    TcxContainer::KeyPress(key);
}

void TcxCustomEdit::KeyUp(WORD& key, TShiftState shift)
{
    TcxContainer::KeyUp(key, shift);
}

void TcxCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TcxContainer::MouseDown(button, shift, x, y);
}

void TcxCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TcxContainer::MouseUp(button, shift, x, y);
}

void TcxCustomEdit::DblClick()
{
    TcxContainer::DblClick();
}

void TcxCustomEdit::DoEnter()
{
    TcxContainer::DoEnter();
}

void TcxCustomEdit::DoExit()
{
    TcxContainer::DoExit();
}

void TcxCustomEdit::FocusExit() {}

void TcxCustomEdit::FocusChanged()
{
    TcxContainer::FocusChanged();
}

bool TcxCustomEdit::CanResize(int& newWidth, int& newHeight)
{
    return TcxContainer::CanResize(newWidth, newHeight);
}

void TcxCustomEdit::Paint()
{
    TcxContainer::Paint();
}

void TcxCustomEdit::WndProc(TMessage& m)
{
    TcxContainer::WndProc(m);
}

void TcxCustomEdit::DefaultHandler(TMessage& m)
{
    TcxContainer::DefaultHandler(m);
}

void TcxCustomEdit::Notification(TComponent* component, TOperation operation)
{
    TcxContainer::Notification(component, operation);
}

const TMessageMap& TcxCustomEdit::Messages() const
{
    return TcxContainer::Messages();
}

void TcxCustomEdit::CMDialogChar(TMessage& m)
{
    DefaultHandler(m);
}

void TcxCustomEdit::CMShowingChanged(TMessage& m)
{
    DefaultHandler(m);
}

void TcxCustomEdit::WMCopy(TMessage& m)
{
    DefaultHandler(m);
}

void TcxCustomEdit::WMCut(TMessage& m)
{
    DefaultHandler(m);
}

void TcxCustomEdit::WMPaste(TMessage& m)
{
    DefaultHandler(m);
}
