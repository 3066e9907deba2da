// Where each spin button goes for each position, with and without the fast
// buttons, and what is left for the text.
#include <gtest/gtest.h>

#include <string>

#include "editors/controls/spin/cxspinbuttonlayout.h"

namespace {

std::string Show(const TRect& r)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return "-";
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(SpinButtonLayout, ButtonsByPosition)
{
    struct Row {
        const char* why;
        TcxSpinButtonsRequest request;
        // Backward, forward, fast backward, fast forward, then the text.
        const char* expected[5];
    } rows[] = {
        {"vertical", {{0, 0, 100, 20}, 15, sbpVert, false, true, false}, {"85,10,100,20", "85,0,100,10", "-", "-", "0,0,85,20"}},
        {"vertical, native delimiter", {{0, 0, 100, 20}, 15, sbpVert, false, true, true},
         {"85,10,100,20", "85,0,100,9", "-", "-", "0,0,85,20"}},
        {"vertical, fast", {{0, 0, 100, 20}, 15, sbpVert, true, true, false},
         {"70,10,85,20", "70,0,85,10", "55,0,70,20", "85,0,100,20", "0,0,55,20"}},
        {"right", {{0, 0, 100, 20}, 15, sbpHorzRight, false, true, false},
         {"70,0,85,20", "85,0,100,20", "-", "-", "0,0,70,20"}},
        {"right, fast", {{0, 0, 100, 20}, 15, sbpHorzRight, true, true, false},
         {"55,0,70,20", "70,0,85,20", "40,0,55,20", "85,0,100,20", "0,0,40,20"}},
        {"left and right", {{2, 2, 102, 22}, 15, sbpHorzLeftRight, false, true, false},
         {"2,2,17,22", "87,2,102,22", "-", "-", "17,2,87,22"}},
        {"left and right, fast", {{0, 0, 100, 20}, 15, sbpHorzLeftRight, true, true, false},
         {"15,0,30,20", "70,0,85,20", "0,0,15,20", "85,0,100,20", "30,0,70,20"}},
        {"hidden", {{0, 0, 100, 20}, 15, sbpVert, true, false, false}, {"-", "-", "-", "-", "0,0,100,20"}},
        {"too narrow", {{0, 0, 20, 20}, 15, sbpHorzRight, false, true, false}, {"0,0,5,20", "5,0,20,20", "-", "-", "-"}},
    };
    for (const auto& r : rows) {
        const TcxSpinButtonsLayout layout = cxLayoutSpinButtons(r.request);
        for (int kind = 0; kind < 4; ++kind)
            EXPECT_EQ(Show(layout.Buttons[kind]), r.expected[kind]) << r.why << ", button " << kind;
        EXPECT_EQ(Show(layout.Content), r.expected[4]) << r.why;
    }
}

} // namespace
