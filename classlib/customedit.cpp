#include "classlib/customedit.h"

#include <algorithm>
#include <array>

#include "classlib/application.h"
#include "classlib/handlercall.h"

namespace {

// Whether EDIT controls count positions in characters (a double-byte
// character is one) rather than in bytes: asked of a scratch control once.
bool EditCountsCharacters()
{
    static const bool counts = [] {
        // Message-only: a scratch window needs no place on the desktop.
        HWND probe = CreateWindowExA(0, "EDIT", "", ES_MULTILINE, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
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
    if (units <= 0)
        return 0;
    // Single-byte text counts the same either way: no need to ask the control.
    size_t i = AsciiPrefix(text, static_cast<size_t>(units));
    if (i == static_cast<size_t>(units) || !EditCountsCharacters())
        return units;
    for (int n = static_cast<int>(i); n < units && i < text.size(); ++n)
        i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    return static_cast<int>(i);
}

int TCustomEdit::UnitsFromBytes(std::string_view text, int bytes)
{
    size_t limit = std::min(static_cast<size_t>(std::max(bytes, 0)), text.size());
    size_t i = AsciiPrefix(text, limit);
    if (i == limit && limit == static_cast<size_t>(bytes))
        return bytes;
    if (!EditCountsCharacters())
        return bytes;
    int units = static_cast<int>(i);
    for (; i < limit; ++units)
        i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    return units;
}

TCreateParams TCustomEdit::CreateParams() const
{
    static constexpr DWORD alignments[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
    static constexpr DWORD cases[] = {0, ES_UPPERCASE, ES_LOWERCASE};
    TCreateParams p;
    p.className = "EDIT";
    p.style = ES_AUTOHSCROLL | alignments[static_cast<int>(alignment_)] | cases[static_cast<int>(charCase_)] |
              (readOnly_ ? ES_READONLY : 0) | (hideSelection_ ? 0 : ES_NOHIDESEL) | (oemConvert_ ? ES_OEMCONVERT : 0) |
              (passwordChar_ ? ES_PASSWORD : 0);
    p.exStyle = border_ ? WS_EX_CLIENTEDGE : 0;
    return p;
}

void TCustomEdit::HandleCreated()
{
    if (maxLength_ > 0)
        SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (passwordChar_)
        SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
    if (margins_)
        SetMargins(margins_->first, margins_->second);
    if (kept_) {
        SendMessageA(Handle(), EM_SETSEL, kept_->selStart, kept_->selEnd);
        auto first = static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
        if ((GetWindowLongA(Handle(), GWL_STYLE) & ES_MULTILINE) && first != kept_->firstLine)
            SendMessageA(Handle(), EM_LINESCROLL, 0, kept_->firstLine - first);
        kept_.reset();
    }
}

void TCustomEdit::DestroyWnd()
{
    TKeptState state{};
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&state.selStart),
                 reinterpret_cast<LPARAM>(&state.selEnd));
    state.firstLine = static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    kept_ = state;
    TWinControl::DestroyWnd();
}

const TMessageMap& TCustomEdit::Messages() const
{
    static const TMessageMap map(TWinControl::Messages(), {
                                                              {WM_LBUTTONDOWN, &TCustomEdit::WMMouseDown},
                                                              {WM_LBUTTONDBLCLK, &TCustomEdit::WMMouseDown},
                                                              {WM_SETFOCUS, &TCustomEdit::WMSetFocus},
                                                              {WM_ERASEBKGND, &TCustomEdit::WMEraseBkgnd},
                                                              {CN_CTLCOLOREDIT, &TCustomEdit::CNCtlColor},
                                                              {CN_CTLCOLORSTATIC, &TCustomEdit::CNCtlColor},
                                                              {CN_COMMAND, &TCustomEdit::CNCommand},
                                                              {CM_TEXTCHANGED, &TCustomEdit::CMTextChanged},
                                                          });
    return map;
}

// The EDIT places the caret and then takes the focus inside its handling of
// a click; the caret stays where the click put it.
void TCustomEdit::WMMouseDown(TMessage& m)
{
    TFlagScope clicked(Liveness(), clicked_);
    TWinControl::Messages().Dispatch(*this, m);
}

void TCustomEdit::WMSetFocus(TMessage& m)
{
    if (autoSelect_ && !clicked_ && !Recreating() && !(GetWindowLongA(Handle(), GWL_STYLE) & ES_MULTILINE))
        SelectAll();
    TWinControl::Messages().Dispatch(*this, m);
}

// The EDIT paints its background in the colour it asks its parent for.
void TCustomEdit::WMEraseBkgnd(TMessage& m)
{
    DefaultHandler(m);
}

void TCustomEdit::CNCtlColor(TMessage& m)
{
    m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam));
}

void TCustomEdit::CNCommand(TMessage& m)
{
    if (HIWORD(m.WParam) == EN_CHANGE)
        CallHandler(OnChange, *this);
}

// An edit whose window is not made yet (a late window's) changes all the
// same: its text is told as the EDIT would tell it.
void TCustomEdit::CMTextChanged(TMessage& m)
{
    const TLiveness alive = Liveness();
    TWinControl::Messages().Dispatch(*this, m);
    if (alive && !HandleAllocated() && !(ComponentState() & csLoading))
        CallHandler(OnChange, *this);
}

void TCustomEdit::SetAlignment(TAlignment value)
{
    SetCreationStyle(alignment_, value);
}

void TCustomEdit::SetCharCase(TEditCharCase value)
{
    SetCreationStyle(charCase_, value);
}

void TCustomEdit::SetHideSelection(bool value)
{
    SetCreationStyle(hideSelection_, value);
}

void TCustomEdit::SetOEMConvert(bool value)
{
    SetCreationStyle(oemConvert_, value);
}

void TCustomEdit::SetPasswordChar(char value)
{
    if (value == passwordChar_)
        return;
    passwordChar_ = value;
    if (HandleAllocated()) {
        SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(value), 0);
        Invalidate();
    }
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
    return UnitsAt(text, bytes, bytes).first;
}

std::pair<int, int> TCustomEdit::UnitsAt(const std::string& text, int start, int end) const
{
    if (!EditCountsCharacters())
        return {start, end};
    // The caret's line is looked up once for both ends: each look-up walks
    // the EDIT's lines from the first.
    int line = CaretLine();
    auto lineUnits = static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    int lineBytes = LineStart(text, line);
    auto units = [&](int bytes) {
        if (lineUnits < 0 || bytes < lineBytes)
            return UnitsFromBytes(text, bytes);
        return lineUnits +
               UnitsFromBytes(std::string_view(text).substr(static_cast<size_t>(lineBytes)), bytes - lineBytes);
    };
    return {units(start), units(end)};
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
    auto [first, last] = UnitsAt(text, start, end);
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

void TCustomEdit::Replace(const std::string& text, int start, int end, const std::string& s)
{
    auto [firstUnit, lastUnit] = UnitsAt(text, start, end);
    auto first = static_cast<DWORD>(firstUnit), last = static_cast<DWORD>(lastUnit);
    DWORD selStart = 0, selEnd = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    // Selecting what is already selected costs Wine's EDIT a relayout of the
    // caret; the replacement brings the caret into view either way.
    if (selStart != first || selEnd != last)
        SendMessageA(Handle(), EM_SETSEL, first, last);
    SetSelText(s);
}

void TCustomEdit::SetSelText(const std::string& text)
{
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

int TCustomEdit::CaretLine() const
{
    return static_cast<int>(SendMessageA(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
}

int TCustomEdit::CaretColumn() const
{
    return CaretColumn(CaretLine());
}

int TCustomEdit::CaretColumn(int caretLine) const
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    auto lineStart = static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(caretLine), 0));
    int units = static_cast<int>(start) - lineStart;
    if (units <= 0 || !EditCountsCharacters())
        return units;
    // Only the line up to the caret is needed to count its bytes: at most two
    // bytes a character. EM_GETLINE takes at most 65535 bytes; a longer line
    // is cut out of the whole text.
    std::string line;
    if (static_cast<size_t>(units) * 2 + sizeof(WORD) <= 0xFFFF) {
        line.assign(std::max<size_t>(static_cast<size_t>(units) * 2, sizeof(WORD)), '\0');
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

void TCustomEdit::CopyToClipboard()
{
    SendMessageA(Handle(), WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard()
{
    SendMessageA(Handle(), WM_CUT, 0, 0);
}

std::string TCustomEdit::SelText() const
{
    std::string text = Text();
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    auto first = static_cast<size_t>(BytesAt(text, static_cast<int>(start)));
    auto last = static_cast<size_t>(BytesAt(text, static_cast<int>(end)));
    return first < last && last <= text.size() ? text.substr(first, last - first) : std::string();
}

void TCustomEdit::SelectAll()
{
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection()
{
    SendMessageA(Handle(), WM_CLEAR, 0, 0);
}

void TCustomEdit::ScrollCaret()
{
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

void TCustomEdit::SetMargins(int left, int right)
{
    margins_.emplace(left, right);
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(static_cast<WORD>(left), static_cast<WORD>(right)));
}

int TCustomEdit::LeftMargin() const
{
    if (!HandleAllocated())
        return margins_ ? margins_->first : 0;
    return LOWORD(SendMessageA(Handle(), EM_GETMARGINS, 0, 0));
}

int TCustomEdit::RightMargin() const
{
    if (!HandleAllocated())
        return margins_ ? margins_->second : 0;
    return HIWORD(SendMessageA(Handle(), EM_GETMARGINS, 0, 0));
}

std::optional<POINT> TCustomEdit::PosFromChar(int pos) const
{
    const int units = UnitsAt(EditCountsCharacters() ? Text() : std::string(), pos);
    const auto answer = static_cast<DWORD>(SendMessageA(Handle(), EM_POSFROMCHAR, static_cast<WPARAM>(units), 0));
    if (answer == 0xFFFFFFFF)
        return std::nullopt;
    return POINT{static_cast<short>(LOWORD(answer)), static_cast<short>(HIWORD(answer))};
}

const TPropertyTable& TCustomEdit::Properties() const
{
    static const TEnumName<bool> borders[] = {{"bsNone", false}, {"bsSingle", true}};
    static const TEnumName<TEditCharCase> cases[] = {{"ecNormal", TEditCharCase::ecNormal},
                                                     {"ecUpperCase", TEditCharCase::ecUpperCase},
                                                     {"ecLowerCase", TEditCharCase::ecLowerCase}};
    static const TPropertyTable table = TPropertyTable::Of<TCustomEdit>(TWinControl::Properties(), {
        {"ReadOnly", [](TCustomEdit& e, const TPropertyValue& v) { e.SetReadOnly(v.Bool()); }},
        {"MaxLength", [](TCustomEdit& e, const TPropertyValue& v) { e.SetMaxLength(v.Int()); }},
        {"BorderStyle", [](TCustomEdit& e, const TPropertyValue& v) { e.border_ = v.Enum(borders); }},
        {"Alignment", [](TCustomEdit& e, const TPropertyValue& v) { e.SetAlignment(v.Enum(AlignmentNames)); }},
        {"CharCase", [](TCustomEdit& e, const TPropertyValue& v) { e.SetCharCase(v.Enum(cases)); }},
        {"HideSelection", [](TCustomEdit& e, const TPropertyValue& v) { e.SetHideSelection(v.Bool()); }},
        {"OEMConvert", [](TCustomEdit& e, const TPropertyValue& v) { e.SetOEMConvert(v.Bool()); }},
        {"AutoSelect", [](TCustomEdit& e, const TPropertyValue& v) { e.SetAutoSelect(v.Bool()); }},
        {"PasswordChar", [](TCustomEdit& e, const TPropertyValue& v) {
             // One character, or none for the text itself.
             const std::string& text = v.Text();
             if (text.size() > 1)
                 v.Invalid();
             e.SetPasswordChar(text.empty() ? '\0' : text[0]);
         }},
    });
    return table;
}

// The EDIT control's default limit is far below what a long tape holds.
constexpr int kMemoLimit = 0x7FFFFFFE;

TMemo::TMemo()
{
    SetColor(clWindow);
    SetMaxLength(kMemoLimit);
    // The tape keeps its selection in sight while a button has the focus.
    SetHideSelection(false);
}

TCreateParams TMemo::CreateParams() const
{
    TCreateParams p = TCustomEdit::CreateParams();
    p.style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (scrollBars_ == TScrollStyle::ssBoth || scrollBars_ == TScrollStyle::ssHorizontal)
        p.style |= WS_HSCROLL;
    if (scrollBars_ == TScrollStyle::ssBoth || scrollBars_ == TScrollStyle::ssVertical)
        p.style |= WS_VSCROLL;
    return p;
}

const TPropertyTable& TMemo::Properties() const
{
    static const TEnumName<TScrollStyle> styles[] = {{"ssNone", TScrollStyle::ssNone},
                                                     {"ssHorizontal", TScrollStyle::ssHorizontal},
                                                     {"ssVertical", TScrollStyle::ssVertical},
                                                     {"ssBoth", TScrollStyle::ssBoth}};
    static const TPropertyTable table = TPropertyTable::Of<TMemo>(TCustomEdit::Properties(), {
        {"ScrollBars", [](TMemo& m, const TPropertyValue& v) { m.SetScrollBars(v.Enum(styles)); }},
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
