// The buttons demonstration as a user meets it: the mouse moved over the
// views' buttons and pressed through the input queue, the line read back.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/edit/demo/tests/demowaits.h"

namespace {

// "a-b,c-d" as {a, b, c, d}.
std::vector<int> SpansOf(const std::string& line)
{
    std::vector<int> spans;
    const std::size_t at = line.find("buttons=");
    if (at == std::string::npos)
        return spans;
    const char* p = line.c_str() + at + 8;
    int a = 0, b = 0, n = 0;
    while (std::sscanf(p, "%d-%d%n", &a, &b, &n) == 2) {
        spans.insert(spans.end(), {a, b});
        p += n;
        if (*p != ',')
            break;
        ++p;
    }
    return spans;
}

std::string Line(const std::string& row, int hot, int pressed, const std::vector<int>& spans)
{
    std::string text = row + ": hot=" + std::to_string(hot) + " pressed=" + std::to_string(pressed) + " buttons=";
    for (std::size_t i = 0; i + 1 < spans.size(); i += 2) {
        if (i > 0)
            text.push_back(',');
        text.append(std::to_string(spans[i])).append("-").append(std::to_string(spans[i + 1]));
    }
    return text;
}

class ButtonsDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = WaitForVisibleWindow([&] { return FindProcessWindow(process_.Id(), "Edit buttons"); }, 200);
        ASSERT_NE(form_, nullptr);
        SetForegroundWindow(form_);
        for (HWND w : ChildWindowsOf(form_))
            if (UpperClassNameOf(w) == "TDEMOBUTTONSVIEW")
                views_[WindowTextOf(w)] = w;
        const std::vector<TWindowlessControl> labels = LabelsOf(form_);
        ASSERT_EQ(labels.size(), 1u) << "the line";
        line_ = TLabelRef(labels[0]);
        ASSERT_EQ(views_.size(), 10u);
    }

    std::string LineOnce(const std::string& expected) const
    {
        Eventually([&] { return line_.Text() == expected; });
        return line_.Text();
    }
    // The line once it names the row, whatever it says of it.
    std::string LineOf(const std::string& row) const
    {
        Eventually([&] { return line_.Text().rfind(row + ":", 0) == 0; });
        return line_.Text();
    }
    // A point beside the target first: a move to where the cursor already is
    // sends no mouse message.
    void Hover(const std::string& row, int x, int y)
    {
        MoveCursorInput(OnScreen(views_.at(row), x, y + 1));
        MoveCursorInput(OnScreen(views_.at(row), x, y));
    }

    TTestProcess process_{BuiltProgramPath(BUTTONSDEMO_EXE)};
    HWND form_ = nullptr;
    TLabelRef line_;
    std::map<std::string, HWND> views_;
};

} // namespace

TEST_F(ButtonsDemo, HoverAndPressFollowTheButtonUnderTheMouse)
{
    for (const char* row : {"Default", "Flat", "HotFlat", "Office11", "Native"}) {
        Hover(row, 4, 12);
        const std::vector<int> spans = SpansOf(LineOf(row));
        ASSERT_EQ(spans.size(), 6u) << row << ": " << line_.Text();
        EXPECT_EQ(LineOnce(Line(row, -1, -1, spans)), Line(row, -1, -1, spans));
        // Three buttons side by side, flush with the single border at the right.
        EXPECT_EQ(spans[1], spans[2]) << row;
        EXPECT_EQ(spans[3], spans[4]) << row;

        const int middle = (spans[2] + spans[3]) / 2;
        Hover(row, middle, 12);
        EXPECT_EQ(LineOnce(Line(row, 1, -1, spans)), Line(row, 1, -1, spans));
        LeftButtonInput(true);
        EXPECT_EQ(LineOnce(Line(row, -1, 1, spans)), Line(row, -1, 1, spans));
        // Dragged onto the next button the press goes on; released there it ends.
        Hover(row, (spans[4] + spans[5]) / 2, 12);
        EXPECT_EQ(LineOnce(Line(row, 2, 1, spans)), Line(row, 2, 1, spans));
        LeftButtonInput(false);
        EXPECT_EQ(LineOnce(Line(row, 2, -1, spans)), Line(row, 2, -1, spans));
    }
}

TEST_F(ButtonsDemo, StretchedButtonsShareTheSevenPixelsLeft)
{
    // Widths 10, 20 and 30 inside a border of 1 take 3, 2 and 2 more.
    const std::vector<int> spans = {1, 13, 13, 35, 35, 68};
    Hover("Stretched", 5, 12);
    EXPECT_EQ(LineOnce(Line("Stretched", 0, -1, spans)), Line("Stretched", 0, -1, spans));
    Hover("Stretched", 50, 12);
    EXPECT_EQ(LineOnce(Line("Stretched", 2, -1, spans)), Line("Stretched", 2, -1, spans));
}

TEST_F(ButtonsDemo, HiddenButtonsShowOnlyWhileFocused)
{
    Hover("HideInactive", 190, 12);
    EXPECT_EQ(LineOnce(Line("HideInactive", -1, -1, {})), Line("HideInactive", -1, -1, {}));
    // The click focuses the view: its buttons show, the last one under the mouse.
    LeftButtonInput(true);
    LeftButtonInput(false);
    EXPECT_TRUE(Eventually([&] {
        const std::string line = line_.Text();
        return line.rfind("HideInactive: hot=2 pressed=-1 buttons=", 0) == 0 && SpansOf(line).size() == 6;
    })) << line_.Text();

    // Focus elsewhere hides them again.
    Hover("Default", 4, 12);
    LeftButtonInput(true);
    LeftButtonInput(false);
    Hover("HideInactive", 190, 12);
    EXPECT_EQ(LineOnce(Line("HideInactive", -1, -1, {})), Line("HideInactive", -1, -1, {}));
}
