// Measures, under Wine, one Enter on a tape of finished lines against one
// full read of the tape's text (GetWindowTextA), and against the floor:
// what any Enter must do, on a bare EDIT of the tape's styles, font and size
// holding the same text (one read of the text, the result put at the line's
// end, the line break). Prints the medians of 7 and the ratios, on 10,000
// and on 100,000 lines (goal: Enter at most 1.5 times the floor on both),
// then where an Enter's time goes: the messages the window's controls
// handled during it, with their counts and own times. Run by hand:
//   tools/wine-run.sh calcform_enter_measure.exe [lines...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calculator/calcform.h"
#include "calculator/measure/measuretime.h"
#include "classlib/application.h"

namespace {

constexpr int kRounds = 7;

std::string TextOf(HWND edit)
{
    int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(edit, text.data(), length + 1)));
    return text;
}

// The next expression typed at the end of the tape, as a user leaves it.
void TypeAtEnd(HWND edit)
{
    int end = GetWindowTextLengthA(edit);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("12+34"));
}

bool EndsWithTheResult(const std::string& text)
{
    return text.size() >= 10 && text.compare(text.size() - 10, 10, "12+34=46\r\n") == 0;
}

// The Enter as the keyboard sends it: key-down, then its character.
void Enter(HWND edit)
{
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageA(edit, WM_CHAR, '\r', 1);
}

// A top-level window beside the calculator holding a bare EDIT made like the
// tape: its styles, its size, its font, its text.
HWND BareTape(HWND tape)
{
    RECT r;
    GetClientRect(tape, &r);
    RECT outer = r;
    AdjustWindowRectEx(&outer, WS_POPUP, FALSE, 0);
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, outer.right - outer.left,
                                 outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto style = static_cast<DWORD>(GetWindowLongA(tape, GWL_STYLE)) & ~WS_DISABLED;
    auto exStyle = static_cast<DWORD>(GetWindowLongA(tape, GWL_EXSTYLE));
    RECT w;
    GetWindowRect(tape, &w);
    HWND edit = CreateWindowExA(exStyle, "EDIT", "", style | WS_VISIBLE, 0, 0, w.right - w.left, w.bottom - w.top,
                                frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, WM_SETFONT, SendMessageA(tape, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    return edit;
}

std::string Tape(int lines)
{
    std::string tape;
    for (int i = 0; i < lines; ++i)
        tape += "1234.5+678.25*2=" + std::to_string(1234.5 + 678.25 * 2).substr(0, 6) + "\r\n";
    return tape;
}

// The floor's work on the bare EDIT: one read of the text (into room kept
// from the last read, or into a new string), the result and the line break.
double Floor(HWND bare, std::string* room)
{
    TypeAtEnd(bare);
    double start = Now();
    std::string fresh;
    std::string& copy = room ? *room : fresh;
    int length = GetWindowTextLengthA(bare);
    copy.resize(static_cast<size_t>(length) + 1);
    copy.resize(static_cast<size_t>(GetWindowTextA(bare, copy.data(), length + 1)));
    SendMessageA(bare, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("=46"));
    SendMessageA(bare, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("\r\n"));
    return Now() - start;
}

struct Times {
    double enter = 0, read = 0, floor = 0, keptFloor = 0;
};

// One Enter on the calculator's tape, then the floor on the bare EDIT both
// ways; false when either did not put the result at the end.
bool Round(HWND memo, HWND bare, std::string& room, Times& t)
{
    TypeAtEnd(memo);
    double a = Now();
    Enter(memo);
    double b = Now();
    std::string text = TextOf(memo);
    double c = Now();
    if (!EndsWithTheResult(text)) {
        std::printf("the Enter did not evaluate\n");
        return false;
    }
    t.enter = b - a, t.read = c - b;
    t.floor = Floor(bare, nullptr);
    t.keptFloor = Floor(bare, &room);
    if (!EndsWithTheResult(TextOf(bare))) {
        std::printf("the bare EDIT did not take the result\n");
        return false;
    }
    return true;
}

// Messages by window and number, with their counts and the time spent in
// them less the time of the messages they sent on in turn.
struct Spent {
    int count = 0;
    double own = 0;
};
std::map<std::pair<HWND, UINT>, Spent> spent;
std::map<HWND, WNDPROC> originals;
std::vector<double> nested;

LRESULT CALLBACK Profiled(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    nested.push_back(0);
    double start = Now();
    LRESULT result = CallWindowProcA(originals[hwnd], hwnd, msg, wp, lp);
    double took = Now() - start;
    double inner = nested.back();
    nested.pop_back();
    if (!nested.empty())
        nested.back() += took;
    Spent& s = spent[{hwnd, msg}];
    ++s.count;
    s.own += took - inner;
    return result;
}

BOOL CALLBACK Profile(HWND hwnd, LPARAM)
{
    originals[hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Profiled)));
    return TRUE;
}

std::string MessageName(UINT msg)
{
    static const std::map<UINT, const char*> names = {
        {WM_SETTEXT, "WM_SETTEXT"},         {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PAINT, "WM_PAINT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},   {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_CHAR, "WM_CHAR"},               {WM_COMMAND, "WM_COMMAND"},
        {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"}, {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
        {WM_GETFONT, "WM_GETFONT"},         {EM_GETSEL, "EM_GETSEL"},
        {EM_SETSEL, "EM_SETSEL"},           {EM_REPLACESEL, "EM_REPLACESEL"},
        {EM_GETLINECOUNT, "EM_GETLINECOUNT"}, {EM_LINEINDEX, "EM_LINEINDEX"},
        {EM_LINEFROMCHAR, "EM_LINEFROMCHAR"}, {EM_GETLINE, "EM_GETLINE"},
        {EM_LINELENGTH, "EM_LINELENGTH"},   {EM_SCROLLCARET, "EM_SCROLLCARET"},
        {WM_GETDLGCODE, "WM_GETDLGCODE"},   {WM_NCPAINT, "WM_NCPAINT"},
    };
    auto found = names.find(msg);
    if (found != names.end())
        return found->second;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", msg);
    return hex;
}

std::string WindowName(HWND hwnd)
{
    if (TControl* control = TControl::FromHandle(hwnd))
        if (!control->Name().empty())
            return control->Name();
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// Where the time of Enters on the tape goes, per Enter.
void PrintProfile(TCalcForm& form, int rounds)
{
    EnumChildWindows(form.Handle(), Profile, 0);
    Profile(form.Handle(), 0);
    HWND memo = form.Memo1->Handle();
    double total = 0;
    for (int round = 0; round < rounds; ++round) {
        TypeAtEnd(memo);
        double start = Now();
        Enter(memo);
        total += Now() - start;
    }
    for (auto& [hwnd, proc] : originals)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    std::vector<std::pair<std::pair<HWND, UINT>, Spent>> rows(spent.begin(), spent.end());
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second.own > b.second.own; });
    std::printf("per Enter, profiled: %.3f ms; the messages handled, by own time:\n", total / rounds);
    for (const auto& [key, s] : rows)
        std::printf("  %-14s %-18s %5.1f calls %8.3f ms\n", WindowName(key.first).c_str(),
                    MessageName(key.second).c_str(), static_cast<double>(s.count) / rounds, s.own / rounds);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::max(1, std::atoi(argv[i])));
    if (sizes.empty())
        sizes = {10000, 100000};

    Application.Initialize();
    TCalcForm form;
    form.Show();
    form.CheckBox2->SetChecked(false);
    HWND memo = form.Memo1->Handle();
    for (int lines : sizes) {
        std::string tape = Tape(lines);
        form.Memo1->SetText(tape);
        HWND bare = BareTape(memo);
        SetWindowTextA(bare, tape.c_str());
        std::vector<double> enters, reads, floors, keptFloors;
        std::string room;
        // Rounds one after another at the end of the tapes, as a user makes
        // them; the first is a warm-up. Enter and floor alternate, so a busier
        // moment of the machine weighs on both. The bare tape takes both
        // floors' lines, a few more than the tape's thousands.
        for (int round = 0; round <= kRounds; ++round) {
            Times t;
            if (!Round(memo, bare, room, t))
                return 1;
            if (round == 0)
                continue;
            enters.push_back(t.enter);
            reads.push_back(t.read);
            floors.push_back(t.floor);
            keptFloors.push_back(t.keptFloor);
        }
        double enter = Median(enters), read = Median(reads), floor = Median(floors), kept = Median(keptFloors);
        std::printf("tape: %d finished lines, %zu bytes\n", lines, tape.size());
        std::printf("  one Enter:          %.3f ms (median of %d)\n", enter, kRounds);
        std::printf("  one GetWindowTextA: %.3f ms\n", read);
        std::printf("  floor, bare EDIT:   %.3f ms, reading into kept room %.3f ms\n", floor, kept);
        std::printf("  ratio Enter / read:  %.2f\n", enter / read);
        std::printf("  ratio Enter / floor: %.2f (goal: 1.5); against the floor with kept room %.2f\n",
                    enter / floor, enter / kept);
        DestroyWindow(GetParent(bare));
    }
    PrintProfile(form, kRounds);
    return 0;
}
