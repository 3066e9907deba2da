// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 characters typed through the input queue into the text
// editors demonstration's Plain editor and into the plain EDIT below it, in
// the same run of the demo, five times each; the wall time from the first
// key sent to the last character shown, median of five, and their ratio
// (goal: at most 1.5).
//   tools/wine-run.sh build/target64/editors/controls/demo/texttyping_measure.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/measure/typingmeasure.h"

namespace {

constexpr int kCharacters = 1000, kRuns = 5;

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
    if (!FindTypingTargets(form, 0, editorBox, editor, plain)) {
        std::printf("the demo's EDITs were not found\n");
        return 1;
    }
    std::wstring keys;
    for (int i = 0; i < kCharacters; ++i)
        keys.push_back(static_cast<wchar_t>(L'a' + i % 26));
    const bool done = CompareTyping("Plain", editorBox, editor, plain, keys, kCharacters, kRuns, 1.5);
    CloseProcessForm(demo, form);
    return done ? 0 : 1;
}
