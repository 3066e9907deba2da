// Hand measurement under Wine, not a test (it judges the machine as much as
// our code): 1,000 characters typed through the input queue into the text
// editors demonstration's Plain editor and into the plain EDIT below it, in
// the same run of the demo, five times each; the wall time from the first
// key sent to the last character shown, median of five, and their ratio
// (goal: at most 1.5).
//   tools/wine-run.sh build/target64/editors/controls/demo/texttyping_measure.exe
#include <string>

#include "editors/controls/demo/measure/typingmeasure.h"

int main()
{
    std::wstring keys;
    for (int i = 0; i < 1000; ++i)
        keys.push_back(static_cast<wchar_t>(L'a' + i % 26));
    // Plain is the topmost editor.
    return MeasureDemoTyping(TEXTDEMO_EXE, "Text editors", 0, "Plain", keys, 1.5);
}
