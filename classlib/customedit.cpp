#include "classlib/customedit.h"

#include <algorithm>
#include <array>

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

// Lead bytes of the program's code page, looked up once.
bool IsLeadByte(char c)
{
    static const auto table = [] {
        std::array<bool, 256> lead{};
        for (int b = 0; b < 256; ++b)
            lead[static_cast<size_t>(b)] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
        return lead;
    }();
    return table[static_cast<unsigned char>(c)];
}

// Length of the leading run of single-byte text, where units and bytes agree.
size_t AsciiPrefix(std::string_view text, size_t limit)
{
    auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(limit, text.size()));
    return static_cast<size_t>(std::find_if(text.begin(), end, [](char c) { return (c & 0x80) != 0; }) - text.begin());
}

// A line of the EDIT control ends at CR LF, as in the text.
constexpr std::string_view kLineEnd = "\r\n";

} // namespace

int TCustomEdit::BytesFromUnits(std::string_view text, int units)
{
    if (!EditCountsCharacters() || units <= 0)
        return std::max(units, 0);
    size_t i = AsciiPrefix(text, static_cast<size_t>(units));
    for (int n = static_cast<int>(i); n < units && i < text.size(); ++n)
        i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    return static_cast<int>(i);
}

int TCustomEdit::UnitsFromBytes(std::string_view text, int bytes)
{
    if (!EditCountsCharacters())
        return bytes;
    size_t limit = std::min(static_cast<size_t>(std::max(bytes, 0)), text.size());
    size_t i = AsciiPrefix(text, limit);
    int units = static_cast<int>(i);
    for (; i < limit; ++units)
        i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    return units;
}

TCreateParams TCustomEdit::CreateParams() const
{
    TCreateParams p;
    p.className = "EDIT";
    p.style = ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
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

const TMessageMap& TCustomEdit::Messages() const
{
    static const TMessageMap map(TControl::Messages(), {
                                                           {CN_CTLCOLOREDIT, &TCustomEdit::CNCtlColor},
                                                           {CN_CTLCOLORSTATIC, &TCustomEdit::CNCtlColor},
                                                           {CN_COMMAND, &TCustomEdit::CNCommand},
                                                       });
    return map;
}

void TCustomEdit::CNCtlColor(TMessage& m)
{
    m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam));
}

void TCustomEdit::CNCommand(TMessage& m)
{
    if (HIWORD(m.WParam) == EN_CHANGE && OnChange)
        OnChange(*this);
}

int TCustomEdit::LineCount() const
{
    return static_cast<int>(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
}

int TCustomEdit::LineStart(const std::string& text, int index) const
{
    if (!EditCountsCharacters())
        return static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(index), 0));
    if (index <= 0)
        return 0;
    // Line breaks counted from the nearer end: an Enter at the end of a long
    // tape reads only its last lines.
    std::string_view t = text;
    int count = LineCount();
    if (index <= count / 2) {
        size_t start = 0;
        for (int n = 0; n < index; ++n) {
            size_t end = t.find(kLineEnd, start);
            if (end == std::string_view::npos)
                return static_cast<int>(t.size());
            start = end + kLineEnd.size();
        }
        return static_cast<int>(start);
    }
    size_t end = t.size();
    for (int n = count - index; n > 0; --n) {
        end = end >= kLineEnd.size() ? t.rfind(kLineEnd, end - kLineEnd.size()) : std::string_view::npos;
        if (end == std::string_view::npos)
            return 0;
    }
    return static_cast<int>(end + kLineEnd.size());
}

int TCustomEdit::BytesAt(const std::string& text, int units) const
{
    if (!EditCountsCharacters())
        return units;
    auto line = static_cast<int>(SendMessageA(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(units), 0));
    auto lineUnits = static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    auto lineBytes = static_cast<size_t>(LineStart(text, line));
    if (lineUnits < 0 || units < lineUnits || lineBytes > text.size())
        return BytesFromUnits(text, units);
    return static_cast<int>(lineBytes) + BytesFromUnits(std::string_view(text).substr(lineBytes), units - lineUnits);
}

int TCustomEdit::UnitsAt(const std::string& text, int bytes) const
{
    if (!EditCountsCharacters())
        return bytes;
    int line = CaretLine();
    auto lineUnits = static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    int lineBytes = LineStart(text, line);
    if (lineUnits < 0 || bytes < lineBytes)
        return UnitsFromBytes(text, bytes);
    return lineUnits + UnitsFromBytes(std::string_view(text).substr(static_cast<size_t>(lineBytes)), bytes - lineBytes);
}

int TCustomEdit::SelStart() const
{
    return SelStart(EditCountsCharacters() ? Text() : std::string());
}

int TCustomEdit::SelStart(const std::string& text) const
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return BytesAt(text, static_cast<int>(start));
}

int TCustomEdit::SelStartLine() const
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(SendMessageA(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(start), 0));
}

int TCustomEdit::SelLength() const
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (!EditCountsCharacters())
        return static_cast<int>(end - start);
    std::string text = Text();
    return BytesAt(text, static_cast<int>(end)) - BytesAt(text, static_cast<int>(start));
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
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(UnitsAt(text, start)), static_cast<LPARAM>(UnitsAt(text, end)));
}

void TCustomEdit::Replace(const std::string& text, int start, int end, const std::string& s)
{
    auto first = static_cast<DWORD>(UnitsAt(text, start)), last = static_cast<DWORD>(UnitsAt(text, end));
    DWORD selStart = 0, selEnd = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    // Selecting what is already selected costs Wine's EDIT a relayout of the
    // caret; the replacement brings the caret into view either way.
    if (selStart != first || selEnd != last)
        SendMessageA(Handle(), EM_SETSEL, first, last);
    ReplaceSel(s);
}

void TCustomEdit::ReplaceSel(const std::string& text)
{
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

int TCustomEdit::CaretLine() const
{
    return static_cast<int>(SendMessageA(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
}

int TCustomEdit::CaretColumn() const
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    int caretLine = CaretLine();
    auto lineStart = static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(caretLine), 0));
    int units = static_cast<int>(start) - lineStart;
    if (!EditCountsCharacters())
        return units;
    // Only this line's text is needed to count its bytes; EM_GETLINE takes
    // at most 65535 bytes, longer lines are cut out of the whole text.
    auto length = static_cast<size_t>(SendMessageA(Handle(), EM_LINELENGTH, static_cast<WPARAM>(lineStart), 0));
    std::string line;
    if (length * 2 + sizeof(WORD) <= 0xFFFF) {
        line.assign(std::max<size_t>(length * 2, sizeof(WORD)), '\0');
        *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(line.size());
        auto got = SendMessageA(Handle(), EM_GETLINE, static_cast<WPARAM>(caretLine), reinterpret_cast<LPARAM>(line.data()));
        line.resize(static_cast<size_t>(got));
    } else {
        std::string text = Text();
        line = text.substr(static_cast<size_t>(LineStart(text, caretLine)));
    }
    return BytesFromUnits(line, units);
}

void TCustomEdit::PasteFromClipboard()
{
    SendMessageA(Handle(), WM_PASTE, 0, 0);
}

void TCustomEdit::ScrollCaret()
{
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

const TPropertyTable& TCustomEdit::Properties() const
{
    static const TEnumName<bool> borders[] = {{"bsNone", false}, {"bsSingle", true}};
    static const TPropertyTable table = TPropertyTable::Of<TCustomEdit>(TControl::Properties(), {
        {"ReadOnly", [](TCustomEdit& e, const TPropertyValue& v) { e.SetReadOnly(v.Bool()); }},
        {"MaxLength", [](TCustomEdit& e, const TPropertyValue& v) { e.SetMaxLength(v.Int()); }},
        {"BorderStyle", [](TCustomEdit& e, const TPropertyValue& v) { e.border_ = v.Enum(borders); }},
    });
    return table;
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
    p.style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL |
              (ReadOnly() ? ES_READONLY : 0);
    if (scrollBars_ == TScrollStyle::ssBoth || scrollBars_ == TScrollStyle::ssHorizontal)
        p.style |= WS_HSCROLL;
    if (scrollBars_ == TScrollStyle::ssBoth || scrollBars_ == TScrollStyle::ssVertical)
        p.style |= WS_VSCROLL;
    return p;
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    if (!HandleAllocated())
        return;
    std::string text = Text();
    int start = SelStart(text), length = SelLength();
    bool focused = Focused();
    DestroyWindow(Handle());
    CreateHandle();
    SetText(text);
    SetSel(text, start, start + length);
    if (focused)
        SetFocus();
}

const TPropertyTable& TMemo::Properties() const
{
    static const TEnumName<TScrollStyle> styles[] = {{"ssNone", TScrollStyle::ssNone},
                                                     {"ssHorizontal", TScrollStyle::ssHorizontal},
                                                     {"ssVertical", TScrollStyle::ssVertical},
                                                     {"ssBoth", TScrollStyle::ssBoth}};
    static const TPropertyTable table = TPropertyTable::Of<TMemo>(TCustomEdit::Properties(), {
        {"ScrollBars", [](TMemo& m, const TPropertyValue& v) { m.scrollBars_ = v.Enum(styles); }},
        {"WantTabs", [](TMemo& m, const TPropertyValue& v) { m.wantTabs_ = v.Bool(); }},
        {"WantReturns", [](TMemo& m, const TPropertyValue& v) { m.wantReturns_ = v.Bool(); }},
    });
    return table;
}

const TMessageMap& TMemo::Messages() const
{
    static const TMessageMap map(TCustomEdit::Messages(), {{WM_GETDLGCODE, &TMemo::WMGetDlgCode}});
    return map;
}

void TMemo::WMGetDlgCode(TMessage& m)
{
    TCustomEdit::Messages().Dispatch(*this, m);
    m.Result = wantTabs_ ? m.Result | DLGC_WANTTAB : m.Result & ~DLGC_WANTTAB;
    if (!wantReturns_)
        m.Result &= ~DLGC_WANTALLKEYS;
}
