#include "editors/controls/mask/cxmaskeditinnerport.h"

#include <algorithm>
#include <array>

#include "classlib/liveness.h"

namespace {

WORD VirtualKeyOf(TcxMaskEditKey key)
{
    switch (key) {
    case TcxMaskEditKey::Left: return VK_LEFT;
    case TcxMaskEditKey::Right: return VK_RIGHT;
    case TcxMaskEditKey::Home: return VK_HOME;
    case TcxMaskEditKey::End: return VK_END;
    case TcxMaskEditKey::Delete: return VK_DELETE;
    case TcxMaskEditKey::Back: break;
    }
    return VK_BACK;
}

// The EDIT reads Shift and Ctrl from the thread's keyboard state: for one
// key they are what the mode asks for, then they are as they were.
class TKeyboardStateScope {
public:
    explicit TKeyboardStateScope(bool shift)
    {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> state = saved_;
        for (int key : {VK_SHIFT, VK_LSHIFT, VK_RSHIFT})
            state[key] = shift ? 0x80 : 0;
        for (int key : {VK_CONTROL, VK_LCONTROL, VK_RCONTROL})
            state[key] = 0;
        SetKeyboardState(state.data());
    }
    ~TKeyboardStateScope() { SetKeyboardState(saved_.data()); }
    TKeyboardStateScope(const TKeyboardStateScope&) = delete;
    TKeyboardStateScope& operator=(const TKeyboardStateScope&) = delete;

private:
    std::array<BYTE, 256> saved_{};
};

// Off for one change, then on again however the change ends (a change
// handler may raise, or free the window).
class TRedrawOffScope {
public:
    explicit TRedrawOffScope(HWND window) : window_(window) { SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }
    ~TRedrawOffScope()
    {
        if (!IsWindow(window_))
            return;
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    TRedrawOffScope(const TRedrawOffScope&) = delete;
    TRedrawOffScope& operator=(const TRedrawOffScope&) = delete;

private:
    HWND window_;
};

} // namespace

TcxCustomInnerTextEdit* TcxCustomMaskEdit::TInnerEditPort::Window() const
{
    TcxCustomInnerTextEdit* inner = edit_.InnerTextEditControl();
    return inner && inner->HandleAllocated() ? inner : nullptr;
}

// The EDIT keeps no direction it would tell: the caret's place says it.
bool TcxCustomMaskEdit::TInnerEditPort::CaretAtStart(const TcxCustomInnerTextEdit& inner, int start,
                                                     int length) const
{
    if (std::min(anchor_, caret_) == start && std::abs(caret_ - anchor_) == length)
        return caret_ < anchor_;
    if (GetFocus() != inner.Handle())
        return false;
    POINT caret{};
    const std::optional<POINT> first = inner.PosFromChar(start);
    return GetCaretPos(&caret) && first && first->x == caret.x;
}

TcxMaskEditSelection TcxCustomMaskEdit::TInnerEditPort::Selection() const
{
    TcxCustomInnerTextEdit* inner = Window();
    if (!inner)
        return {};
    const std::string text = inner->Text();
    const int start = inner->SelStart(text);
    const int length = inner->SelLength();
    return {start, length, length > 0 && CaretAtStart(*inner, start, length)};
}

void TcxCustomMaskEdit::TInnerEditPort::Select(int anchor, int caret)
{
    TcxCustomInnerTextEdit* inner = Window();
    if (!inner)
        return;
    const std::string text = inner->Text();
    const int size = static_cast<int>(text.size());
    anchor_ = std::clamp(anchor, 0, size);
    caret_ = std::clamp(caret, 0, size);
    TFlagScope selecting(edit_.Liveness(), edit_.settingSelection_);
    inner->SetSel(text, anchor_, caret_);
}

void TcxCustomMaskEdit::TInnerEditPort::SetTextKeepingCaret(const std::string& text)
{
    TcxCustomInnerTextEdit* inner = Window();
    if (!inner) {
        if (TcxCustomInnerTextEdit* windowless = edit_.InnerTextEditControl())
            windowless->SetText(text);
        return;
    }
    const TcxMaskEditSelection sel = Selection();
    const TLiveness alive = edit_.Liveness();
    // One repaint for the text and the selection put back.
    TRedrawOffScope redraw(inner->Handle());
    inner->SetText(text);
    if (alive)
        Select(sel.Anchor(), sel.Caret());
}

void TcxCustomMaskEdit::TInnerEditPort::ReplaceSelection(const std::string& text)
{
    if (TcxCustomInnerTextEdit* inner = Window())
        inner->SetSelText(text);
}

void TcxCustomMaskEdit::TInnerEditPort::SendKey(TcxMaskEditKey key, bool shift)
{
    IcxInnerTextEdit* inner = edit_.InnerTextEdit();
    if (!inner || !Window())
        return;
    TFlagScope sending(edit_.Liveness(), edit_.sendingKeys_);
    TKeyboardStateScope keyboard(shift);
    const WORD vk = VirtualKeyOf(key);
    if (vk == VK_BACK)
        inner->CallDefWndProc(WM_CHAR, VK_BACK, 0);
    else
        inner->CallDefWndProc(WM_KEYDOWN, vk, 0);
}

char TcxCustomMaskEdit::TInnerEditPort::PendingSecondByte() const
{
    const IcxInnerTextEdit* inner = edit_.InnerTextEdit();
    return inner ? inner->GetImeLastChar() : '\0';
}

void TcxCustomMaskEdit::TInnerEditPort::CopySelection()
{
    if (IcxInnerTextEdit* inner = edit_.InnerTextEdit(); inner && Window())
        inner->CallDefWndProc(WM_COPY, 0, 0);
}

void TcxCustomMaskEdit::TInnerEditPort::Redisplay()
{
    edit_.Redisplay();
}

void TcxCustomMaskEdit::TInnerEditPort::SetEditValue(const std::string& value)
{
    edit_.SetEditValueChecked(Variant(value));
}
