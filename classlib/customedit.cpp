#include "classlib/customedit.h"

#include <algorithm>

#include "classlib/application.h"

namespace {

// Whether EDIT controls count positions in characters (a double-byte
// character is one) rather than in bytes: asked of a scratch control once.
bool EditCountsCharacters()
{
    static const bool counts = [] {
        HWND probe = CreateWindowExA(0, "EDIT", "", ES_MULTILINE, 0, 0, 10, 10, nullptr, nullptr,
                                     Application.Instance(), nullptr);
        if (!probe)
            return false;
        SetWindowTextA(probe, "\xD6\xD0");
        SendMessageA(probe, EM_SETSEL, 100, 100);
        DWORD start = 0, end = 0;
        SendMessageA(probe, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        DestroyWindow(probe);
        return end == 1;
    }();
    return counts;
}

bool IsLeadByte(char c)
{
    return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE;
}

} // namespace

int TCustomEdit::BytesFromUnits(const std::string& text, int units)
{
    if (!EditCountsCharacters())
        return units;
    size_t i = 0;
    for (int n = 0; n < units && i < text.size(); ++n)
        i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    return static_cast<int>(i);
}

int TCustomEdit::UnitsFromBytes(const std::string& text, int bytes)
{
    if (!EditCountsCharacters())
        return bytes;
    int units = 0;
    size_t limit = std::min(static_cast<size_t>(std::max(bytes, 0)), text.size());
    for (size_t i = 0; i < limit; ++units)
        i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    return units;
}

TCreateParams TCustomEdit::CreateParams() const
{
    TCreateParams p;
    p.className = "EDIT";
    p.style = WS_TABSTOP | ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    p.exStyle = border_ ? WS_EX_CLIENTEDGE : 0;
    return p;
}

void TCustomEdit::HandleCreated()
{
    if (maxLength_ > 0)
        SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetMaxLength(int length)
{
    maxLength_ = length;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TCustomEdit::SetReadOnly(bool value)
{
    readOnly_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

bool TCustomEdit::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        result = ControlColors(reinterpret_cast<HDC>(wp));
        return true;
    case WM_COMMAND:
        if (HIWORD(wp) == EN_CHANGE && OnChange)
            OnChange(*this);
        return false;
    default:
        return TControl::Notify(msg, wp, lp, result);
    }
}

int TCustomEdit::SelStart() const
{
    return SelStart(EditCountsCharacters() ? Text() : std::string());
}

int TCustomEdit::SelStart(const std::string& text) const
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return BytesFromUnits(text, static_cast<int>(start));
}

int TCustomEdit::SelLength() const
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (!EditCountsCharacters())
        return static_cast<int>(end - start);
    std::string text = Text();
    return BytesFromUnits(text, static_cast<int>(end)) - BytesFromUnits(text, static_cast<int>(start));
}

void TCustomEdit::SetSelStart(int pos)
{
    SetSel(pos, pos);
}

void TCustomEdit::SetSel(int start, int end)
{
    SetSel(EditCountsCharacters() ? Text() : std::string(), start, end);
}

void TCustomEdit::SetSel(const std::string& text, int start, int end)
{
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(UnitsFromBytes(text, start)),
                 static_cast<LPARAM>(UnitsFromBytes(text, end)));
}

void TCustomEdit::ReplaceSel(const std::string& text)
{
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomEdit::PasteFromClipboard()
{
    SendMessageA(Handle(), WM_PASTE, 0, 0);
}

void TCustomEdit::ScrollCaret()
{
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

bool TCustomEdit::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "ReadOnly")
        SetReadOnly(PropertyBool(name, value));
    else if (name == "MaxLength")
        SetMaxLength(PropertyInt(name, value));
    else if (name == "BorderStyle")
        border_ = value != "bsNone";
    else
        return TControl::SetProperty(name, value);
    return true;
}

// The EDIT control's default limit is far below what a long tape holds.
constexpr int kMemoLimit = 0x7FFFFFFE;

TMemo::TMemo()
{
    SetColor(clWindow);
    SetMaxLength(kMemoLimit);
}

TCreateParams TMemo::CreateParams() const
{
    TCreateParams p = TCustomEdit::CreateParams();
    p.style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL |
              (ReadOnly() ? ES_READONLY : 0);
    if (scrollBars_ == TScrollStyle::ssBoth || scrollBars_ == TScrollStyle::ssHorizontal)
        p.style |= WS_HSCROLL;
    if (scrollBars_ == TScrollStyle::ssBoth || scrollBars_ == TScrollStyle::ssVertical)
        p.style |= WS_VSCROLL;
    return p;
}

bool TMemo::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "ScrollBars") {
        static const std::pair<const char*, TScrollStyle> styles[] = {{"ssNone", TScrollStyle::ssNone},
                                                                      {"ssHorizontal", TScrollStyle::ssHorizontal},
                                                                      {"ssVertical", TScrollStyle::ssVertical},
                                                                      {"ssBoth", TScrollStyle::ssBoth}};
        auto it = std::find_if(std::begin(styles), std::end(styles), [&](auto& s) { return value == s.first; });
        if (it == std::end(styles))
            throw EComponentError("Invalid property value ScrollBars = " + value);
        scrollBars_ = it->second;
        return true;
    }
    return TCustomEdit::SetProperty(name, value);
}
