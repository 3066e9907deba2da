// The inner EDIT's messages: keys and characters go to the editor first,
// double-byte characters reach the EDIT whole, focus, mouse and wheel are
// handed over, the clipboard goes through the editor's rules.
#include <utility>

#include "classlib/dragobject.h"
#include "classlib/gbkchars.h"
#include "classlib/handlercall.h"
#include "classlib/liveness.h"
#include "classlib/messages.h"
#include "editors/controls/text/cxinnertextedit.h"
#include "editors/controls/text/cxtextedit.h"

namespace {

constexpr BYTE kFirstTrailByte = 0x40;
constexpr BYTE kDeletedTrailByte = 0x7F;

bool IsTrailByte(BYTE b)
{
    return b >= kFirstTrailByte && b != kDeletedTrailByte && b != 0xFF;
}

} // namespace

const TMessageMap& TcxCustomInnerTextEdit::Messages() const
{
    static const TMessageMap map(TcxInnerEditControl::Messages(),
                                 {
                                     {WM_GETDLGCODE, &TcxCustomInnerTextEdit::WMGetDlgCode},
                                     {WM_KEYDOWN, &TcxCustomInnerTextEdit::WMKeyDown},
                                     {WM_CHAR, &TcxCustomInnerTextEdit::WMChar},
                                     {WM_IME_CHAR, &TcxCustomInnerTextEdit::WMImeChar},
                                     {WM_IME_COMPOSITION, &TcxCustomInnerTextEdit::WMImeComposition},
                                     {WM_SIZE, &TcxCustomInnerTextEdit::WMSize},
                                     {WM_NCPAINT, &TcxCustomInnerTextEdit::WMNCPaint},
                                     {WM_ERASEBKGND, &TcxCustomInnerTextEdit::WMEraseBackground},
                                     {WM_CUT, &TcxCustomInnerTextEdit::WMClipboard},
                                     {WM_PASTE, &TcxCustomInnerTextEdit::WMClipboard},
                                     {WM_CLEAR, &TcxCustomInnerTextEdit::WMClipboard},
                                     {WM_MOUSEWHEEL, &TcxCustomInnerTextEdit::WMMouseWheel},
                                 });
    return map;
}

void TcxCustomInnerTextEdit::WndProc(TMessage& m)
{
    TCustomEdit::WndProc(m);
}

// Tab comes as a key while the editor moves the focus itself on it.
void TcxCustomInnerTextEdit::WMGetDlgCode(TMessage& m)
{
    DefaultHandler(m);
    m.Result |= DLGC_WANTCHARS;
    if (!container_)
        return;
    if (container_->ActiveProperties().WantsTab() && !(KeyShift() & ssCtrl))
        m.Result |= DLGC_WANTTAB;
    if (container_->InPlace())
        m.Result |= DLGC_WANTALLKEYS;
}

TcxCustomInnerTextEditPrevState TcxCustomInnerTextEdit::TakeState() const
{
    if (!HandleAllocated())
        return {};
    const std::string text = Text();
    const int start = SelStart(text);
    return {true, text, start, SelLength()};
}

bool TcxCustomInnerTextEdit::SameState(const TcxCustomInnerTextEditPrevState& state) const
{
    const TcxCustomInnerTextEditPrevState now = TakeState();
    return now.Text == state.Text && now.SelStart == state.SelStart && now.SelLength == state.SelLength;
}

// A key the editor left to the EDIT, which did nothing with it either,
// goes to the editor's after-key-down handler.
void TcxCustomInnerTextEdit::WMKeyDown(TMessage& m)
{
    const TLiveness alive = Liveness();
    const TcxCustomInnerTextEditPrevState state = TakeState();
    TCustomEdit::Messages().Dispatch(*this, m);
    if (!alive || !container_ || keyHandled_ || !SameState(state))
        return;
    WORD key = static_cast<WORD>(m.WParam);
    CallHandler(container_->AfterKeyDownHandler, static_cast<TcxCustomEdit&>(*container_), key, KeyShift());
}

void TcxCustomInnerTextEdit::KeyDown(WORD& key, TShiftState shift)
{
    keyHandled_ = false;
    const TLiveness alive = Liveness();
    TcxInnerEditControl::KeyDown(key, shift);
    if (alive && container_ && key == 0)
        keyHandled_ = true;
}

void TcxCustomInnerTextEdit::KeyPress(char& key)
{
    keyHandled_ = false;
    const bool tab = key == '\t';
    const TLiveness alive = Liveness();
    TcxInnerEditControl::KeyPress(key);
    if (!alive || tab || !container_)
        return;
    if (key == 0) {
        keyHandled_ = true;
        return;
    }
    // A one-line EDIT only beeps at these.
    if ((key == '\r' || key == '\x1b') && container_->InPlace())
        key = 0;
    else if (key == '\r' && !container_->BeepOnEnter())
        key = 0;
}

void TcxCustomInnerTextEdit::KeyUp(WORD& key, TShiftState shift)
{
    keyHandled_ = false;
    const bool tab = key == VK_TAB;
    const TLiveness alive = Liveness();
    TcxInnerEditControl::KeyUp(key, shift);
    if (alive && !tab && container_ && key == 0)
        keyHandled_ = true;
}

// The EDIT would turn each byte of a pair into '?': a lead byte waits for
// its trail byte, and the pair goes in whole.
void TcxCustomInnerTextEdit::WMChar(TMessage& m)
{
    const auto b = static_cast<BYTE>(m.WParam);
    const TLiveness alive = Liveness();
    const TcxCustomInnerTextEditPrevState state = TakeState();
    // Only the character that ends an IME sequence puts back its saved selection.
    bool imeSequence = imeCharCount_ > 0;
    BYTE lead = 0;
    if (pendingLead_ != 0) {
        lead = std::exchange(pendingLead_, BYTE{0});
        if (!IsTrailByte(b)) {
            // The lead byte is dropped; this character counts on its own.
            imeCharCount_ = 0;
            lead = 0;
        }
    }
    if (lead != 0) {
        imeLastChar_ = static_cast<char>(b);
        TypePair(lead, b);
    } else if (IsGbkLeadByte(static_cast<char>(b))) {
        if (imeCharCount_ < 2) {
            // Announced by nothing: the same state as WM_IME_CHAR leaves.
            helper_->SavedSelStart = state.SelStart;
            helper_->SavedSelLength = state.SelLength;
            imeCharCount_ = 2;
        }
        imeSequence = true;
        BYTE trail = 0;
        if (!TakeTrailByte(b, trail))
            return;
        imeLastChar_ = static_cast<char>(trail);
        TypePair(b, trail);
    } else {
        TCustomEdit::Messages().Dispatch(*this, m);
        if (alive && imeCharCount_ > 0)
            --imeCharCount_;
    }
    if (!alive || !container_)
        return;
    if (imeSequence && imeCharCount_ == 0 && container_->FindSelection() && state.Saved)
        SelectBytes(helper_->SavedSelStart, helper_->SavedSelLength);
    if (alive && !keyHandled_ && !SameState(state))
        container_->SetFindSelection(false);
}

// The trail byte from the queue; with none queued the lead byte waits for
// the next character.
bool TcxCustomInnerTextEdit::TakeTrailByte(BYTE lead, BYTE& trail)
{
    MSG next;
    if (!PeekMessageA(&next, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE)) {
        pendingLead_ = lead;
        return false;
    }
    trail = static_cast<BYTE>(next.wParam);
    if (IsTrailByte(trail))
        return true;
    // Anything else drops the lead byte and is a character of its own.
    imeCharCount_ = 0;
    SendMessageA(Handle(), WM_CHAR, next.wParam, next.lParam);
    return false;
}

void TcxCustomInnerTextEdit::TypePair(BYTE lead, BYTE trail)
{
    const TLiveness alive = Liveness();
    char first = static_cast<char>(lead);
    KeyPress(first);
    if (!alive)
        return;
    const bool firstHandled = keyHandled_;
    if (imeCharCount_ > 0)
        --imeCharCount_;
    char second = static_cast<char>(trail);
    KeyPress(second);
    if (!alive)
        return;
    keyHandled_ = keyHandled_ || firstHandled;
    if (imeCharCount_ > 0)
        --imeCharCount_;
    if (first == 0 || second == 0 || ReadOnly())
        return;
    const char pair[] = {static_cast<char>(lead), static_cast<char>(trail), '\0'};
    TMessage replace{EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pair), 0};
    DefaultHandler(replace);
}

void TcxCustomInnerTextEdit::WMImeChar(TMessage& m)
{
    const std::string text = HandleAllocated() ? Text() : std::string();
    helper_->SavedSelStart = SelStart(text);
    helper_->SavedSelLength = SelLength();
    const auto lead = static_cast<char>(HIBYTE(LOWORD(m.WParam)));
    if (lead != 0 && IsGbkLeadByte(lead)) {
        imeCharCount_ = 2;
        imeLastChar_ = static_cast<char>(LOBYTE(LOWORD(m.WParam)));
    } else {
        imeCharCount_ = 1;
        imeLastChar_ = 0;
    }
    DefaultHandler(m);
}

void TcxCustomInnerTextEdit::WMImeComposition(TMessage& m)
{
    if (container_ && !container_->RequestEditing())
        return;
    DefaultHandler(m);
}

void TcxCustomInnerTextEdit::WMSize(TMessage& m)
{
    TCustomEdit::Messages().Dispatch(*this, m);
    if (HandleAllocated())
        SetMargins(0, 1);
}

void TcxCustomInnerTextEdit::WMNCPaint(TMessage&) {}

void TcxCustomInnerTextEdit::WMEraseBackground(TMessage& m)
{
    m.Result = 1;
}

// Cut copies from a read-only EDIT; paste and clear do nothing there.
void TcxCustomInnerTextEdit::WMClipboard(TMessage& m)
{
    if (!container_) {
        DefaultHandler(m);
        return;
    }
    if (ReadOnly()) {
        if (m.Msg == WM_CUT)
            container_->CopyToClipboard();
        return;
    }
    switch (m.Msg) {
    case WM_CUT:
        container_->CutToClipboard();
        break;
    case WM_PASTE:
        container_->PasteFromClipboard();
        break;
    default:
        container_->DeleteSelectionText();
        break;
    }
}

// The EDIT swallows the wheel: one it does not use goes to the editor.
void TcxCustomInnerTextEdit::WMMouseWheel(TMessage& m)
{
    const TLiveness alive = Liveness();
    const TShiftState shift = KeyShift();
    const auto delta = static_cast<short>(HIWORD(m.WParam));
    const POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    if (DoMouseWheel(shift, delta, p)) {
        m.Result = 1;
        return;
    }
    if (!alive)
        return;
    if (container_ && container_->DoMouseWheel(shift, delta, p)) {
        m.Result = 1;
        return;
    }
    if (alive)
        DefaultHandler(m);
}

void TcxCustomInnerTextEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!container_)
        return;
    if (button == TMouseButton::mbLeft && container_->DragMode() == TDragMode::dmAutomatic &&
        !(container_->ComponentState() & csDesigning)) {
        container_->BeginDrag(false);
        return;
    }
    TcxInnerEditControl::MouseDown(button, shift, x, y);
}

void TcxCustomInnerTextEdit::Click()
{
    TCustomEdit::Click();
    if (container_)
        container_->Click();
}
