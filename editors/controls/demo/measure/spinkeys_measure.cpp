// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 Up keys through the input queue into the spin and time
// editors demonstration's Int editor and into its classlib spin box (a
// comctl32 up-down with arrow keys), in the same run of the demo, five
// times each; the wall time from the first key sent to "1000" shown,
// median of five, and their ratio (goal: at most 3).
//   tools/wine-run.sh build/target64/editors/controls/demo/spinkeys_measure.exe
#include "classlib/tests/realinput.h"
#include "editors/controls/demo/measure/typingmeasure.h"

int main()
{
    const auto upKeys = [] {
        for (int i = 0; i < 1000; ++i)
            TapKeyInput(VK_UP);
    };
    // Int is the topmost editor; the spin box is the form's own EDIT.
    return MeasureDemoInput(TIMEDEMO_EXE, "Spin and time editors", 0, "Int", upKeys, "0", "1000", "1,000 Up keys", 3.0);
}
