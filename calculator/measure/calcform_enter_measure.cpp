// Measures, under Wine, one Enter on a tape of 10,000 finished lines against
// one full read of the tape's text (GetWindowTextA), and against the floor:
// what any Enter must do, on a bare EDIT of the tape's styles, font and size
// holding the same text (one read of the text, the result put at the line's
// end, the line break). Prints the medians and the ratios. Run by hand:
//   tools/wine-run.sh calcform_enter_measure.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calculator/calcform.h"
#include "classlib/application.h"

namespace {

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

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

} // namespace

int main()
{
    Application.Initialize();
    TCalcForm form;
    form.Show();
    form.CheckBox2->SetChecked(false);
    std::string tape;
    for (int i = 0; i < 10000; ++i)
        tape += "1234.5+678.25*2=" + std::to_string(1234.5 + 678.25 * 2).substr(0, 6) + "\r\n";
    HWND memo = form.Memo1->Handle();
    form.Memo1->SetText(tape);
    HWND bare = BareTape(memo);
    SetWindowTextA(bare, tape.c_str());

    std::vector<double> enters, reads, floors;
    // Rounds one after another at the end of the tapes, as a user makes them;
    // the first is a warm-up. Enter and floor alternate, so a busier moment
    // of the machine weighs on both.
    for (int round = 0; round < 16; ++round) {
        TypeAtEnd(memo);
        // The Enter as the keyboard sends it: key-down, then its character.
        LARGE_INTEGER a, b, c;
        QueryPerformanceCounter(&a);
        SendMessageA(memo, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageA(memo, WM_CHAR, '\r', 1);
        QueryPerformanceCounter(&b);
        std::string text = TextOf(memo);
        QueryPerformanceCounter(&c);
        if (!EndsWithTheResult(text)) {
            std::printf("the Enter did not evaluate\n");
            return 1;
        }

        // The floor: one read of the text, the result and the line break.
        TypeAtEnd(bare);
        LARGE_INTEGER d, e;
        QueryPerformanceCounter(&d);
        int length = GetWindowTextLengthA(bare);
        std::string read(static_cast<size_t>(length) + 1, '\0');
        GetWindowTextA(bare, read.data(), length + 1);
        SendMessageA(bare, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("=46"));
        SendMessageA(bare, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("\r\n"));
        QueryPerformanceCounter(&e);
        if (!EndsWithTheResult(TextOf(bare))) {
            std::printf("the bare EDIT did not take the result\n");
            return 1;
        }
        // Both tapes grow alike, so their rounds stay comparable.
        if (round == 0)
            continue;
        enters.push_back(Seconds(a, b));
        reads.push_back(Seconds(b, c));
        floors.push_back(Seconds(d, e));
    }
    double enter = Median(enters), read = Median(reads), floor = Median(floors);
    std::printf("tape: 10000 finished lines, %zu bytes\n", tape.size());
    std::printf("one Enter:          %.3f ms (median of %zu)\n", enter * 1000, enters.size());
    std::printf("one GetWindowTextA: %.3f ms (median of %zu)\n", read * 1000, reads.size());
    std::printf("floor, bare EDIT:   %.3f ms (median of %zu)\n", floor * 1000, floors.size());
    std::printf("ratio Enter / read:  %.2f\n", enter / read);
    std::printf("ratio Enter / floor: %.2f\n", enter / floor);
    return 0;
}
