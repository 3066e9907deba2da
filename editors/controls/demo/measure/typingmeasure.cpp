#include "editors/controls/demo/measure/typingmeasure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/tests/demoeditors.h"

namespace {

constexpr int kRuns = 5;

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

std::string TextOf(HWND window)
{
    char buffer[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL, 5000,
                        &copied);
    return buffer;
}

// Milliseconds from the first key until done says the box is done; box is
// set to start and edit given the focus first. -1 when it never was.
double InputMs(HWND box, HWND edit, const std::function<void()>& type, const std::string& start,
               const std::function<bool()>& done)
{
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(start.c_str()));
    if (!FocusByClick(edit))
        return -1;
    const auto begin = std::chrono::steady_clock::now();
    type();
    while (!done()) {
        if (std::chrono::steady_clock::now() - begin > std::chrono::seconds(60))
            return -1;
        Sleep(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
}

// The editor and the plain EDIT in turn, runs times; the medians and their
// ratio beside the goal.
bool Compare(const char* editorName, HWND editorBox, HWND editor, HWND plain, const std::function<void()>& type,
             const std::string& start, const std::function<bool(HWND)>& done, const std::string& what, int runs,
             double goal, const TTypingAfterEditor& afterEditor = {})
{
    std::vector<double> edited, plainMs;
    for (int run = 0; run < runs; ++run) {
        edited.push_back(InputMs(editorBox, editor, type, start, [&] { return done(editorBox); }));
        if (afterEditor)
            afterEditor(editorBox);
        plainMs.push_back(InputMs(plain, plain, type, start, [&] { return done(plain); }));
        std::printf("run %d: %s %.0f ms, plain EDIT %.0f ms\n", run + 1, editorName, edited.back(), plainMs.back());
        if (edited.back() < 0 || plainMs.back() < 0)
            return false;
    }
    std::printf("%s, median of %d: %s %.0f ms, plain EDIT %.0f ms, ratio %.2f (goal %.1f)\n", what.c_str(), runs,
                editorName, Median(edited), Median(plainMs), Median(edited) / Median(plainMs), goal);
    return true;
}

// Starts the demo, finds the row's editor and the plain EDIT, runs compare
// on them and closes the demo; the program's exit code.
int MeasureDemo(const std::string& exe, const char* caption, std::size_t row,
                const std::function<bool(HWND, HWND, HWND)>& compare)
{
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
    const bool done = compare(editorBox, editor, plain);
    CloseProcessForm(demo, form);
    return done ? 0 : 1;
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
                   int length, int runs, double goal, const TTypingAfterEditor& afterEditor)
{
    return Compare(
        editorName, editorBox, editor, plain, [&] { TypeKeys(keys); }, "",
        [&](HWND box) { return TextLength(box) >= length; }, std::to_string(length) + " characters typed", runs,
        goal, afterEditor);
}

bool CompareInput(const char* editorName, HWND editorBox, HWND editor, HWND plain, const std::function<void()>& type,
                  const std::string& start, const std::string& done, const char* what, int runs, double goal)
{
    return Compare(
        editorName, editorBox, editor, plain, type, start, [&](HWND box) { return TextOf(box) == done; }, what, runs,
        goal);
}

int MeasureDemoTyping(const std::string& exe, const char* caption, std::size_t row, const char* editorName,
                      const std::wstring& keys, double goal)
{
    return MeasureDemo(exe, caption, row, [&](HWND editorBox, HWND editor, HWND plain) {
        return CompareTyping(editorName, editorBox, editor, plain, keys, static_cast<int>(keys.size()), kRuns, goal);
    });
}

int MeasureDemoInput(const std::string& exe, const char* caption, std::size_t row, const char* editorName,
                     const std::function<void()>& type, const std::string& start, const std::string& done,
                     const char* what, double goal)
{
    return MeasureDemo(exe, caption, row, [&](HWND editorBox, HWND editor, HWND plain) {
        return CompareInput(editorName, editorBox, editor, plain, type, start, done, what, kRuns, goal);
    });
}
