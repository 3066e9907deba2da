// The spin editor's keys, wheel and buttons: which keys step and which
// characters it takes, and the auto-repeat of a held button.
#include <cctype>

#include "classlib/formatsettings.h"
#include "classlib/liveness.h"
#include "editors/controls/spin/cxspineditviewdata.h"
#include "editors/edit/container/cxcontainerutils.h"
#include "editors/controls/spin/cxspinedit.h"

namespace {

// The auto-repeat's first delay and the interval after it, in ms.
constexpr unsigned kRepeatDelay = 400;
constexpr unsigned kRepeatInterval = 100;

// The button kind a key steps by; none for other keys.
std::optional<TcxSpinButtonKind> SpinKindOfKey(WORD key)
{
    switch (key) {
    case VK_UP:
        return sbkForward;
    case VK_DOWN:
        return sbkBackward;
    case VK_PRIOR:
        return sbkFastForward;
    case VK_NEXT:
        return sbkFastBackward;
    default:
        return std::nullopt;
    }
}

bool IsPrintable(char c)
{
    return static_cast<unsigned char>(c) > 31;
}

} // namespace

bool TcxCustomSpinEdit::MaySpin() const
{
    return !IsReadOnlyNow() && (DataBinding().IsEditing() || CanModify());
}

bool TcxCustomSpinEdit::IsCharAllowed(char character) const
{
    const TcxCustomSpinEditProperties& properties = ActiveProperties();
    if (!properties.CanEdit())
        return !(character == '\b' || IsPrintable(character));
    if (properties.HasGetValueHandler())
        return true;
    if (!IsPrintable(character))
        return true;
    if (std::isdigit(static_cast<unsigned char>(character)) || character == '+' || character == '-' ||
        character == 'e' || character == 'E')
        return true;
    if (properties.ValueType() == vtFloat && character == FormatSettings().DecimalSeparator)
        return true;
    return properties.AllowedChars().test(static_cast<unsigned char>(character));
}

bool TcxCustomSpinEdit::TextChangesAllowed() const
{
    return !Focused() || ActiveProperties().CanEdit();
}

void TcxCustomSpinEdit::DoEditKeyDown(WORD& key, TShiftState shift)
{
    const TcxCustomSpinEditProperties& properties = ActiveProperties();
    const std::optional<TcxSpinButtonKind> kind = SpinKindOfKey(key);
    if (kind && (!properties.UseCtrlIncrement() || (shift & ssCtrl))) {
        key = 0;
        if (!MaySpin())
            return;
        const TLiveness alive = Liveness();
        pressedButton_ = *kind;
        if (MouseCapture())
            SetMouseCapture(false);
        DoIncrement(*kind);
        // The key's button shows pressed until the key goes up.
        if (alive && pressedButton_ == *kind)
            ShowButtonState(*kind, ebsPressed);
        return;
    }
    if (pressedButton_ >= 0)
        StopRepeat();
    if (!properties.CanEdit() && IsValueChangingKey(key, shift) && !IsClearOrClickKey(key, shift)) {
        key = 0;
        return;
    }
    TcxCustomMaskEdit::DoEditKeyDown(key, shift);
}

void TcxCustomSpinEdit::DoEditKeyUp(WORD& key, TShiftState shift)
{
    if (SpinKindOfKey(key) && pressedButton_ >= 0)
        StopRepeat();
    TcxCustomMaskEdit::DoEditKeyUp(key, shift);
}

void TcxCustomSpinEdit::DoEditKeyPress(char& key)
{
    if (key == '.' || key == ',')
        key = FormatSettings().DecimalSeparator;
    if ((key == '\b' || IsPrintable(key)) && !IsCharAllowed(key)) {
        key = 0;
        if (ActiveProperties().BeepOnError())
            MessageBeep(MB_OK);
        return;
    }
    TcxCustomMaskEdit::DoEditKeyPress(key);
}

bool TcxCustomSpinEdit::DoMouseWheel(TShiftState shift, int wheelDelta, POINT mousePos)
{
    if (wheelDelta == 0 || !CanUseMouseWheel(shift))
        return TcxCustomMaskEdit::DoMouseWheel(shift, wheelDelta, mousePos);
    if (MaySpin())
        DoIncrement(wheelDelta < 0 ? sbkBackward : sbkForward);
    return true;
}

void TcxCustomSpinEdit::PasteFromClipboard()
{
    if (TextChangesAllowed())
        TcxCustomMaskEdit::PasteFromClipboard();
}

bool TcxCustomSpinEdit::TextFromSetText(const std::string& text)
{
    return TextChangesAllowed() && TcxCustomMaskEdit::TextFromSetText(text);
}

// Buttons and auto-repeat

void TcxCustomSpinEdit::ButtonPressedHook(int index)
{
    if (index < sbkBackward || index > sbkFastForward)
        return;
    const TLiveness alive = Liveness();
    StopRepeat();
    pressedButton_ = index;
    if (!MaySpin())
        return;
    DoIncrement(static_cast<TcxSpinButtonKind>(index));
    // The step may have taken the focus or the mouse, which ends the press.
    if (alive && pressedButton_ == index && !ActiveProperties().ReadOnly() && DataBinding().HasData())
        StartRepeat();
}

void TcxCustomSpinEdit::ButtonReleasedHook(int)
{
    StopRepeat();
}

void TcxCustomSpinEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const TLiveness alive = Liveness();
    TcxCustomMaskEdit::MouseUp(button, shift, x, y);
    if (alive && button == TMouseButton::mbLeft)
        StopRepeat();
}

void TcxCustomSpinEdit::DblClick()
{
    POINT p = ReadCursorPos();
    if (HandleAllocated())
        ScreenToClient(Handle(), &p);
    if (ButtonAtPoint(p) < 0)
        StopRepeat();
    TcxCustomMaskEdit::DblClick();
}

void TcxCustomSpinEdit::FocusChanged()
{
    StopRepeat();
    TcxCustomMaskEdit::FocusChanged();
}

void TcxCustomSpinEdit::StartRepeat()
{
    repeatTimer_ = std::make_unique<TcxTimer>();
    repeatTimer_->SetInterval(kRepeatDelay);
    repeatTimer_->SetOnTimer([this](TComponent&) { RepeatTick(); });
}

void TcxCustomSpinEdit::RepeatTick()
{
    if (!repeatTimer_)
        return;
    repeatTimer_->SetInterval(kRepeatInterval);
    const TcxCustomEditViewInfo& vi = ViewInfo();
    const bool held = vi.PressedButton >= 0 && vi.PressedButton < vi.ButtonCount() &&
                      vi.Button(vi.PressedButton).Index == pressedButton_;
    if (!held) {
        StopRepeat();
        return;
    }
    DoIncrement(static_cast<TcxSpinButtonKind>(pressedButton_));
}

void TcxCustomSpinEdit::ShowButtonState(int kind, TcxEditButtonState state)
{
    if (!HandleAllocated())
        return;
    TcxCustomEditViewInfo& vi = ViewInfo();
    for (int i = 0; i < vi.ButtonCount(); ++i) {
        TcxEditButtonViewInfo& button = vi.Button(i);
        if (button.Index != kind || button.Data.State == ebsDisabled || button.Data.State == state)
            continue;
        cxSpinSetButtonState(button, state);
        const RECT r = button.Bounds;
        InvalidateRect(Handle(), &r, FALSE);
    }
}

void TcxCustomSpinEdit::StopRepeat()
{
    const int wasPressed = pressedButton_;
    pressedButton_ = -1;
    if (repeatTimer_) {
        repeatTimer_->SetEnabled(false);
        cxFreeTimer(std::move(repeatTimer_));
    }
    if (!HandleAllocated() || (ComponentState() & csDestroying))
        return;
    capturedButton_ = -1;
    if (MouseCapture())
        SetMouseCapture(false);
    // A button the mouse holds is the view's to show; one a key pressed goes up here.
    if (wasPressed >= 0 && !(GetMouseShiftState() & ssLeft))
        ShowButtonState(wasPressed, ebsNormal);
}
