// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 digits typed through the input queue into the masked
// editors demonstration's Digits editor ("[0-9]+") and into the plain EDIT
// below the editors, in the same run of the demo, five times each; the wall
// time from the first key sent to the last character shown, median of
// five, and their ratio (goal: at most 2).
//   tools/wine-run.sh build/target64/editors/controls/demo/masktyping_measure.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/measure/typingmeasure.h"

namespace {

constexpr int kCharacters = 1000, kRuns = 5;
// Digits is the second editor from the top.
constexpr std::size_t kDigitsRow = 1;

} // namespace

int main()
{
    TTestProcess demo(BuiltProgramPath(MASKEDITDEMO_EXE));
    HWND form = ShowProcessForm(demo, "Masked editors");
    if (!form) {
        std::printf("the demo did not show\n");
        return 1;
    }
    HWND editorBox = nullptr, editor = nullptr, plain = nullptr;
    if (!FindTypingTargets(form, kDigitsRow, editorBox, editor, plain)) {
        std::printf("the demo's EDITs were not found\n");
        return 1;
    }
    std::wstring keys;
    for (int i = 0; i < kCharacters; ++i)
        keys.push_back(static_cast<wchar_t>(L'0' + i % 10));
    const bool done = CompareTyping("Digits", editorBox, editor, plain, keys, kCharacters, kRuns, 2.0);
    CloseProcessForm(demo, form);
    return done ? 0 : 1;
}
