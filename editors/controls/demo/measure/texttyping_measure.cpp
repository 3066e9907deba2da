// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 characters typed through the input queue into the text
// editors demonstration's Plain editor and into the plain EDIT below it, in
// the same run of the demo, five times each; the wall time from the first
// key sent to the last character shown, median of five, and their ratio
// (goal: at most 1.5).
//   tools/wine-run.sh build/target64/editors/controls/demo/texttyping_measure.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"

namespace {

constexpr int kCharacters = 1000, kRuns = 5;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int TextLength(HWND window)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length);
    return static_cast<int>(length);
}

// Milliseconds from the first key to the whole text read from target;
// box is emptied and edit given the focus first. -1 when the text never
// got there.
double TypingMs(HWND box, HWND edit, const std::wstring& keys)
{
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    if (!FocusByClick(edit))
        return -1;
    const auto start = std::chrono::steady_clock::now();
    TypeKeys(keys);
    while (TextLength(box) < kCharacters) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60))
            return -1;
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int TopOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r.top;
}

} // namespace

int main()
{
    TTestProcess demo(BuiltProgramPath(TEXTDEMO_EXE));
    HWND form = ShowProcessForm(demo, "Text editors");
    if (!form) {
        std::printf("the demo did not show\n");
        return 1;
    }
    // Plain is the topmost editor; the plain EDIT is the form's own child.
    HWND editorBox = nullptr, editor = nullptr, plain = nullptr;
    for (HWND w : ChildWindowsOf(form)) {
        if (UpperClassNameOf(w) != "EDIT")
            continue;
        if (GetParent(w) == form)
            plain = w;
        else if (!editor || TopOf(w) < TopOf(editor))
            editor = w, editorBox = GetParent(w);
    }
    if (!editor || !plain) {
        std::printf("the demo's EDITs were not found\n");
        return 1;
    }
    std::wstring keys;
    for (int i = 0; i < kCharacters; ++i)
        keys.push_back(static_cast<wchar_t>(L'a' + i % 26));
    std::vector<double> edited, plainMs;
    for (int run = 0; run < kRuns; ++run) {
        edited.push_back(TypingMs(editorBox, editor, keys));
        plainMs.push_back(TypingMs(plain, plain, keys));
        std::printf("run %d: Plain %.0f ms, plain EDIT %.0f ms\n", run + 1, edited.back(), plainMs.back());
    }
    std::printf("%d characters typed, median of %d: Plain %.0f ms, plain EDIT %.0f ms, ratio %.2f (goal 1.5)\n",
                kCharacters, kRuns, Median(edited), Median(plainMs), Median(edited) / Median(plainMs));
    CloseProcessForm(demo, form);
    return 0;
}
