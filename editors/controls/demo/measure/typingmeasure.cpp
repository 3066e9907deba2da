#include "editors/controls/demo/measure/typingmeasure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/tests/demoeditors.h"

namespace {

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

// Milliseconds from the first key to the whole text read from box; box is
// emptied and edit given the focus first. -1 when the text never got there.
double TypingMs(HWND box, HWND edit, const std::wstring& keys, int length)
{
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    if (!FocusByClick(edit))
        return -1;
    const auto start = std::chrono::steady_clock::now();
    TypeKeys(keys);
    while (TextLength(box) < length) {
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60))
            return -1;
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

bool FindTypingTargets(HWND form, std::size_t row, HWND& editorBox, HWND& editor, HWND& plain)
{
    editorBox = editor = plain = nullptr;
    std::vector<HWND> editors;
    for (HWND w : ChildWindowsOf(form)) {
        if (UpperClassNameOf(w) != "EDIT")
            continue;
        if (GetParent(w) == form)
            plain = w;
        else
            editors.push_back(w);
    }
    std::sort(editors.begin(), editors.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
    if (row >= editors.size() || !plain)
        return false;
    editor = editors[row];
    editorBox = GetParent(editor);
    return true;
}

bool CompareTyping(const char* editorName, HWND editorBox, HWND editor, HWND plain, const std::wstring& keys,
                   int length, int runs, double goal)
{
    std::vector<double> edited, plainMs;
    for (int run = 0; run < runs; ++run) {
        edited.push_back(TypingMs(editorBox, editor, keys, length));
        plainMs.push_back(TypingMs(plain, plain, keys, length));
        std::printf("run %d: %s %.0f ms, plain EDIT %.0f ms\n", run + 1, editorName, edited.back(), plainMs.back());
        if (edited.back() < 0 || plainMs.back() < 0)
            return false;
    }
    std::printf("%d characters typed, median of %d: %s %.0f ms, plain EDIT %.0f ms, ratio %.2f (goal %.1f)\n", length,
                runs, editorName, Median(edited), Median(plainMs), Median(edited) / Median(plainMs), goal);
    return true;
}

int MeasureDemoTyping(const std::string& exe, const char* caption, std::size_t row, const char* editorName,
                      const std::wstring& keys, double goal)
{
    constexpr int kRuns = 5;
    TTestProcess demo(BuiltProgramPath(exe));
    HWND form = ShowProcessForm(demo, caption);
    if (!form) {
        std::printf("the demo did not show\n");
        return 1;
    }
    HWND editorBox = nullptr, editor = nullptr, plain = nullptr;
    if (!FindTypingTargets(form, row, editorBox, editor, plain)) {
        std::printf("the demo's EDITs were not found\n");
        return 1;
    }
    const bool done =
        CompareTyping(editorName, editorBox, editor, plain, keys, static_cast<int>(keys.size()), kRuns, goal);
    CloseProcessForm(demo, form);
    return done ? 0 : 1;
}
