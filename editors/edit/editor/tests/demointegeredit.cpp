#include "editors/edit/editor/tests/demointegeredit.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "classlib/liveness.h"
#include "classlib/messages.h"

namespace {

constexpr int kMaxValue = 100;

} // namespace

std::optional<Variant> DemoIntegerOf(const Variant& text)
{
    if (VarIsNull(text) || VarIsEmpty(text))
        return Variant::Null();
    if (!VarIsStr(text)) {
        if (!VarTypeIsInteger(text.VarType()))
            return std::nullopt;
        const std::int64_t n = text.ToInt64();
        return n >= 0 && n <= kMaxValue ? std::optional<Variant>(static_cast<int>(n)) : std::nullopt;
    }
    const std::string s = VarToStr(text);
    if (s.empty())
        return Variant::Null();
    if (s.size() > 3 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = std::stoi(s);
    return n <= kMaxValue ? std::optional<Variant>(n) : std::nullopt;
}

void TDemoIntegerEditProperties::ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit,
                                               bool& error)
{
    if (!DemoIntegerOf(value))
        error = true;
    TcxCustomEditProperties::ValidateValue(value, errorText, edit, error);
}

std::unique_ptr<TcxCustomEditProperties> TDemoIntegerEditProperties::CreateSameClass() const
{
    return std::make_unique<TDemoIntegerEditProperties>(nullptr);
}

void TDemoPostBinding::WriteStoredValue(const Variant& value)
{
    Posts.push_back(value);
    Edit().SetModifiedFlag(false);
    if (OnPost)
        OnPost(value);
}

TDemoInnerEdit::TDemoInnerEdit(TComponent* owner) : TcxInnerEditControl(owner)
{
    SetColor(clWindow);
}

const TMessageMap& TDemoInnerEdit::Messages() const
{
    static const TMessageMap map(TcxInnerEditControl::Messages(), {{WM_GETDLGCODE, &TDemoInnerEdit::WMGetDlgCode}});
    return map;
}

void TDemoInnerEdit::FocusInner()
{
    if (CanFocus())
        SetFocus();
}

// Tab comes as a key to the editor, which moves the focus itself, unless Ctrl is held.
void TDemoInnerEdit::WMGetDlgCode(TMessage& m)
{
    DefaultHandler(m);
    m.Result |= DLGC_WANTCHARS;
    if (!(KeyShift() & ssCtrl))
        m.Result |= DLGC_WANTTAB;
}

void TDemoInnerEdit::KeyPress(char& key)
{
    const TLiveness alive = Liveness();
    TcxInnerEditControl::KeyPress(key);
    if (!alive)
        return;
    // Enter has no meaning to a one-line EDIT, which would only beep.
    if (key == '\r')
        key = 0;
    if (key != 0)
        charsReceived_.push_back(key);
}

namespace {

std::unique_ptr<TComponent> MakeInnerEdit(TcxCustomEdit& edit)
{
    return std::make_unique<TDemoInnerEdit>(&edit);
}

} // namespace

TDemoIntegerEdit::TDemoIntegerEdit(TComponent* owner, bool inPlace)
    : TcxCustomEdit(owner, inPlace, cxEditKindOf<TDemoIntegerEditProperties, TDemoPostBinding>(&MakeInnerEdit))
{
}

std::string TDemoIntegerEdit::GetDisplayText() const
{
    return InnerEdit() ? Inner().Text() : std::string();
}

Variant TDemoIntegerEdit::GetEditingValue() const
{
    const std::string text = GetDisplayText();
    return DemoIntegerOf(text).value_or(Variant(text));
}

void TDemoIntegerEdit::ApplyDisplayValue(const Variant& value)
{
    if (const auto number = DemoIntegerOf(value))
        StoreEditValue(*number);
}

void TDemoIntegerEdit::ShowDisplayValue(const Variant& value)
{
    const std::string text = VarToStr(value);
    if (InnerEdit() && Inner().Text() != text)
        Inner().ShowText(text);
}

void TDemoIntegerEdit::UpdateDisplay()
{
    ShowDisplayValue(GetEditValue());
}

bool TDemoIntegerEdit::IsValueChangingKey(WORD key, TShiftState) const
{
    return key == VK_DELETE || key == VK_BACK;
}

bool TDemoIntegerEdit::IsValueChangingChar(char c) const
{
    // Printable characters, Backspace, and Ctrl+V and Ctrl+X.
    return static_cast<unsigned char>(c) >= 32 || c == '\b' || c == 0x16 || c == 0x18;
}

void TDemoIntegerEdit::SelectAll()
{
    if (InnerEdit() && Inner().HandleAllocated())
        Inner().TCustomEdit::SelectAll();
}

void TDemoIntegerEdit::CopyHook()
{
    if (InnerEdit())
        Inner().CopyToClipboard();
}

void TDemoIntegerEdit::CutHook()
{
    if (InnerEdit())
        Inner().CutToClipboard();
}

void TDemoIntegerEdit::PasteHook()
{
    if (InnerEdit())
        Inner().PasteFromClipboard();
}
