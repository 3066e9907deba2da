// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 characters typed through the input queue into the
// editor demonstration's integer editor and into the plain EDIT beside it,
// in the same run of the demo, five times each; the wall time from the
// first key sent to the last character shown, median of five, and their
// ratio (goal: at most 1.5).
//   tools/wine-run.sh build/target64/editors/edit/editor/edittyping_measure.exe
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

int TextLength(HWND edit)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length);
    return static_cast<int>(length);
}

// Milliseconds from the first key to the whole text shown in edit, which
// is emptied and clicked first; -1 when the text never got there (in 10 s).
double TypingMs(HWND edit, const std::wstring& keys)
{
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    ClickInput(edit);
    Sleep(300);
    const auto start = std::chrono::steady_clock::now();
    TypeKeys(keys);
    while (TextLength(edit) < kCharacters) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(10))
            return -1;
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    TTestProcess demo(BuiltProgramPath(EDITDEMO_EXE));
    HWND form = ShowProcessForm(demo, "Editor");
    if (!form) {
        std::printf("the demo did not show\n");
        return 1;
    }
    HWND editor = nullptr, plain = nullptr;
    for (HWND w : ChildWindowsOf(form))
        if (UpperClassNameOf(w) == "EDIT")
            (GetParent(w) == form ? plain : editor) = w;
    if (!editor || !plain) {
        std::printf("the demo's EDITs were not found\n");
        return 1;
    }
    std::wstring keys;
    for (int i = 0; i < kCharacters; ++i)
        keys.push_back(static_cast<wchar_t>(L'0' + (i + 1) % 10));
    std::vector<double> edited, plainMs;
    for (int run = 0; run < kRuns; ++run) {
        edited.push_back(TypingMs(editor, keys));
        // Too large a number to leave the editor with: Esc brings back its value.
        TapKeyInput(VK_ESCAPE);
        for (int wait = 0; wait < 500 && TextLength(editor) != 0; ++wait)
            Sleep(10);
        plainMs.push_back(TypingMs(plain, keys));
        std::printf("run %d: editor %.0f ms, plain EDIT %.0f ms\n", run + 1, edited.back(), plainMs.back());
    }
    std::printf("%d characters typed, median of %d: editor %.0f ms, plain EDIT %.0f ms, ratio %.2f (goal 1.5)\n",
                kCharacters, kRuns, Median(edited), Median(plainMs), Median(edited) / Median(plainMs));
    CloseProcessForm(demo, form);
    return 0;
}
