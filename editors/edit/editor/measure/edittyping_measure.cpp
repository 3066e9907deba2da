// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 characters typed through the input queue into the
// editor demonstration's integer editor and into the plain EDIT beside it,
// in the same run of the demo, five times each; the wall time from the
// first key sent to the last character shown, median of five, and their
// ratio (goal: at most 1.5).
//   tools/wine-run.sh build/target64/editors/edit/editor/edittyping_measure.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/controls/demo/measure/typingmeasure.h"

int main()
{
    TTestProcess demo(BuiltProgramPath(EDITDEMO_EXE));
    HWND form = ShowProcessForm(demo, "Editor");
    HWND box = nullptr, editor = nullptr, plain = nullptr;
    if (!form || !FindTypingTargets(form, 0, box, editor, plain)) {
        std::printf("the demo or its EDITs were not found\n");
        return 1;
    }
    std::wstring keys;
    for (int i = 0; i < 1000; ++i)
        keys.push_back(static_cast<wchar_t>(L'0' + (i + 1) % 10));
    // Too large a number to leave the editor with: Esc brings back its value.
    auto revert = [](HWND edit) {
        TapKeyInput(VK_ESCAPE);
        for (int wait = 0; wait < 500 && SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) != 0; ++wait)
            Sleep(10);
    };
    // The generic editor answers no WM_GETTEXT of its own: its EDIT is read.
    const bool done = CompareTyping("editor", editor, editor, plain, keys, static_cast<int>(keys.size()), 5, 1.5, revert);
    CloseProcessForm(demo, form);
    return done ? 0 : 1;
}
