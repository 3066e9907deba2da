#include "editors/edit/editor/cxinnereditcontrol.h"

#include "classlib/liveness.h"
#include "editors/edit/editor/cxedit.h"

TcxInnerEditControl::TcxInnerEditControl(TComponent* owner) : TCustomEdit(owner)
{
    border_ = false;
    OnChange = [this](TComponent&) {
        if (ChangeHandler && !settingText_)
            ChangeHandler();
    };
}

TcxInnerEditControl::~TcxInnerEditControl()
{
    OnChange = nullptr;
}

void TcxInnerEditControl::ShowText(const std::string& text)
{
    TFlagScope setting(Liveness(), settingText_);
    SetText(text);
}

void TcxInnerEditControl::AttachEditor(TcxCustomEdit& editor)
{
    editor_ = &editor;
    SetParent(&editor);
}

TCreateParams TcxInnerEditControl::CreateParams() const
{
    TCreateParams params = TCustomEdit::CreateParams();
    params.style &= ~(WS_BORDER | WS_CAPTION | WS_THICKFRAME);
    params.style |= ES_AUTOHSCROLL;
    params.exStyle &= ~WS_EX_CLIENTEDGE;
    return params;
}

const TMessageMap& TcxInnerEditControl::Messages() const
{
    static const TMessageMap map(TCustomEdit::Messages(), {
                                                              {WM_SETFOCUS, &TcxInnerEditControl::WMFocusChange},
                                                              {WM_KILLFOCUS, &TcxInnerEditControl::WMFocusChange},
                                                          });
    return map;
}

// The editor hears of the focus after the class library has moved it
// (enter and exit).
void TcxInnerEditControl::WMFocusChange(TMessage& m)
{
    const TLiveness alive = Liveness();
    TCustomEdit::Messages().Dispatch(*this, m);
    if (!alive || !editor_ || (editor_->ComponentState() & csDestroying))
        return;
    // The focus coming from the editor's own window is no change for it.
    if (m.Msg == WM_SETFOCUS && editor_->HandleAllocated() && reinterpret_cast<HWND>(m.WParam) == editor_->Handle())
        return;
    editor_->FocusChanged();
}

void TcxInnerEditControl::KeyDown(WORD& key, TShiftState shift)
{
    if (editor_)
        editor_->KeyDown(key, shift);
}

void TcxInnerEditControl::KeyPress(char& key)
{
    if (key == '\t')
        key = 0;
    else if (editor_)
        editor_->KeyPress(key);
}

void TcxInnerEditControl::KeyUp(WORD& key, TShiftState shift)
{
    if (key == VK_TAB)
        key = 0;
    else if (editor_)
        editor_->KeyUp(key, shift);
}

void TcxInnerEditControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (editor_)
        editor_->MouseDown(button, shift, x + Left(), y + Top());
}

void TcxInnerEditControl::MouseMove(TShiftState shift, int x, int y)
{
    if (editor_)
        editor_->MouseMove(shift, x + Left(), y + Top());
}

void TcxInnerEditControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (editor_)
        editor_->MouseUp(button, shift, x + Left(), y + Top());
}

void TcxInnerEditControl::DblClick()
{
    const TLiveness alive = Liveness();
    TCustomEdit::DblClick();
    if (alive && editor_)
        editor_->DblClick();
}
