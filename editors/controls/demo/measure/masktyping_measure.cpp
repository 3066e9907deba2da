// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 digits typed through the input queue into the masked
// editors demonstration's Digits editor ("[0-9]+") and into the plain EDIT
// below the editors, in the same run of the demo, five times each; the wall
// time from the first key sent to the last character shown, median of
// five, and their ratio (goal: at most 2).
//   tools/wine-run.sh build/target64/editors/controls/demo/masktyping_measure.exe
#include <string>

#include "editors/controls/demo/measure/typingmeasure.h"

int main()
{
    std::wstring keys;
    for (int i = 0; i < 1000; ++i)
        keys.push_back(static_cast<wchar_t>(L'0' + i % 10));
    // Digits is the second editor from the top.
    return MeasureDemoTyping(MASKEDITDEMO_EXE, "Masked editors", 1, "Digits", keys, 2.0);
}
