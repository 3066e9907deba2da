// The editor's mouse: presses on its buttons, the double click that an
// in-place activation by the mouse starts the timer for, and which button
// lies where.
#include "editors/edit/container/cxcontainerutils.h"
#include "editors/edit/editor/cxedit.h"

void TcxCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    // A second press soon after an in-place activation by the mouse.
    if (button == TMouseButton::mbLeft && doubleClickTimer_ && doubleClickTimer_->Enabled()) {
        doubleClickTimer_->SetEnabled(false);
        if (ButtonAtPoint(POINT{x, y}) < 0)
            DblClick();
        if (!alive)
            return;
    }
    // A new press holds no button yet: the view computes it afresh.
    if (button == TMouseButton::mbLeft)
        capturedButton_ = -1;
    TcxContainer::MouseDown(button, shift, x, y);
    if (!alive || button != TMouseButton::mbLeft || !MouseCapture())
        return;
    const int index = ButtonAtPoint(POINT{x, y});
    if (index >= 0 && ViewInfo().Button(index).Data.State == ebsPressed)
        capturedButton_ = index;
}

void TcxCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TcxContainer::MouseUp(button, shift, x, y);
}

void TcxCustomEdit::DblClick()
{
    POINT p = ReadCursorPos();
    if (HandleAllocated())
        ScreenToClient(Handle(), &p);
    if (ButtonAtPoint(p) < 0) {
        TcxContainer::DblClick();
        return;
    }
    // The second press on a button is a press and a click like the first.
    const TLiveness alive = Liveness();
    MouseDown(TMouseButton::mbLeft, KeyboardShiftState(), p.x, p.y);
    if (alive)
        Click();
}

int TcxCustomEdit::ButtonAtPoint(POINT p) const
{
    return ViewInfo().ButtonIndexAt(p);
}

int TcxCustomEdit::DefaultButtonIndex() const
{
    const TcxCustomEditViewInfo& vi = ViewInfo();
    for (int i = 0; i < vi.ButtonCount(); ++i)
        if (vi.Button(i).Default)
            return i;
    return -1;
}

void TcxCustomEdit::ClickDefaultButton()
{
    const int index = DefaultButtonIndex();
    if (index >= 0)
        DoButtonClick(ViewInfo().Button(index).Index);
}

void TcxCustomEdit::DoButtonClick(int index)
{
    CallPropertiesHandlers(&TcxCustomEditProperties::OnButtonClick, index);
}
