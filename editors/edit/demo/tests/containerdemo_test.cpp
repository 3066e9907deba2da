// The containers demonstration as a user meets it: the mouse moved over
// its grid, clicks, typing and Tab through the input queue; the focus and
// hover lines and the EDITs read back, the frames looked at on the screen.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "editors/edit/demo/tests/demowaits.h"

namespace {

SIZE ClientSize(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    return SIZE{r.right, r.bottom};
}

COLORREF ScreenPixel(HWND window, int x, int y)
{
    const POINT p = OnScreen(window, x, y);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

class ContainerDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(process_.Started()) << GetLastError();
        form_ = WaitForVisibleWindow([&] { return FindProcessWindow(process_.Id(), "Containers"); }, 200);
        ASSERT_NE(form_, nullptr);
        SetForegroundWindow(form_);
        for (HWND w : ChildWindowsOf(form_)) {
            const std::string cls = UpperClassNameOf(w), text = WindowTextOf(w);
            if (cls == "TDEMOCONTAINER")
                boxes_[text] = w;
            else if (cls == "EDIT" && GetParent(w) != form_)
                edits_[WindowTextOf(GetParent(w))] = w;
        }
        for (const TWindowlessControl& label : LabelsOf(form_)) {
            if (label.text.rfind("Focus:", 0) == 0)
                focusLine_ = TLabelRef(label);
            else if (label.text.rfind("Hover:", 0) == 0)
                hoverLine_ = TLabelRef(label);
        }
        ASSERT_TRUE(focusLine_);
        ASSERT_TRUE(hoverLine_);
        ASSERT_EQ(boxes_.size(), 10u);
        // An earlier test may have left the cursor where a container now lies.
        HoverBackground();
    }

    // The line once it reads expected, or as it reads after waiting.
    std::string LineOnce(const TLabelRef& line, const std::string& expected) const
    {
        Eventually([&] { return line.Text() == expected; });
        return line.Text();
    }

    // The middle of the container's top frame line.
    void HoverFrame(const std::string& name)
    {
        HWND box = boxes_.at(name);
        MoveCursorInput(OnScreen(box, ClientSize(box).cx / 2, 0));
    }
    void HoverBackground() { MoveCursorInput(OnScreen(form_, 640, 190)); }

    TTestProcess process_{BuiltProgramPath(CONTAINERDEMO_EXE)};
    HWND form_ = nullptr;
    TLabelRef focusLine_, hoverLine_;
    std::map<std::string, HWND> boxes_, edits_;
};

} // namespace

TEST_F(ContainerDemo, EachContainerHostsItsEdit)
{
    for (const char* name :
         {"None", "Single", "Thick", "Flat", "ThreeD", "UltraFlat", "Office11", "Native", "Shadow", "Disabled"}) {
        ASSERT_TRUE(edits_.count(name)) << name;
        EXPECT_EQ(WindowTextOf(edits_[name]), name);
        EXPECT_EQ(GetParent(edits_[name]), boxes_[name]) << name;
    }
    // The form starts on its first tab stop.
    EXPECT_EQ(LineOnce(focusLine_, "Focus: None csfFocused"), "Focus: None csfFocused");
}

TEST_F(ContainerDemo, HoverShowsTheHotStateAndFrameAndEndsOutside)
{
    const struct {
        const char* name;
        std::string line;
    } cases[] = {
        {"Single", "Hover: Single csfNormal+csfHot cbsThick"},
        {"Flat", "Hover: Flat csfNormal+csfHot cbs3D"},
        {"UltraFlat", "Hover: UltraFlat csfNormal+csfHot cbsSingle"},
        {"Shadow", "Hover: Shadow csfNormal+csfHot cbsThick"},
        {"Disabled", "Hover: none"},
    };
    for (const auto& c : cases) {
        HoverFrame(c.name);
        EXPECT_EQ(LineOnce(hoverLine_, c.line), c.line);
    }
    HoverBackground();
    EXPECT_EQ(LineOnce(hoverLine_, "Hover: none"), "Hover: none");
}

TEST_F(ContainerDemo, ClicksTypingAndTabMoveTheFocusThroughTheContainers)
{
    // Clicked straight into the EDIT, the container has the focus; pressed
    // there, it is not hot.
    ClickInput(edits_["Flat"]);
    EXPECT_EQ(LineOnce(focusLine_, "Focus: Flat csfFocused"), "Focus: Flat csfFocused");
    TypeKeys(L"xyz");
    EXPECT_TRUE(Eventually([&] { return WindowTextOf(edits_["Flat"]).find("xyz") != std::string::npos; }))
        << WindowTextOf(edits_["Flat"]);
    EXPECT_EQ(WindowTextOf(edits_["Flat"]).size(), 7u);

    TapKeyInput(VK_TAB);
    EXPECT_EQ(LineOnce(focusLine_, "Focus: ThreeD csfFocused"), "Focus: ThreeD csfFocused");
    TypeKeys(L"q");
    EXPECT_TRUE(Eventually([&] { return WindowTextOf(edits_["ThreeD"]).find('q') != std::string::npos; }));
    TapKeyInput(VK_TAB, VK_SHIFT);
    EXPECT_EQ(LineOnce(focusLine_, "Focus: Flat csfFocused"), "Focus: Flat csfFocused");
    // Ctrl+Tab is no move.
    TapKeyInput(VK_TAB, VK_CONTROL);
    Sleep(300);
    EXPECT_EQ(focusLine_.Text(), "Focus: Flat csfFocused");

    ClickInput(edits_["Disabled"]);
    Sleep(300);
    EXPECT_EQ(focusLine_.Text(), "Focus: Flat csfFocused");
}

TEST_F(ContainerDemo, FramesShadowAndTheHotFrameOnTheScreen)
{
    HoverFrame("UltraFlat");
    ASSERT_EQ(LineOnce(hoverLine_, "Hover: UltraFlat csfNormal+csfHot cbsSingle"),
              "Hover: UltraFlat csfNormal+csfHot cbsSingle");
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW),
                   frame = GetSysColor(COLOR_WINDOWFRAME), face = GetSysColor(COLOR_BTNFACE);
    const int h = ClientSize(boxes_["Single"]).cy, w = ClientSize(boxes_["Single"]).cx;
    const struct {
        const char* name;
        int x, y;
        COLORREF color;
    } pixels[] = {
        {"UltraFlat", 0, h / 2, highlight},   // hot
        {"Office11", 0, h / 2, shadow},       // not hot
        {"Single", 0, h / 2, frame},
        {"Shadow", w - 2, h - 2, shadow},     // the shadow itself
        {"Shadow", 1, h - 1, face},           // outside the window region: the form
        {"Shadow", w - 4, h / 2, frame},      // the frame inside the shadow
    };
    for (const auto& p : pixels) {
        HWND box = boxes_[p.name];
        EXPECT_TRUE(Eventually([&] { return ScreenPixel(box, p.x, p.y) == p.color; }))
            << p.name << " at " << p.x << "," << p.y << ": " << std::hex << ScreenPixel(box, p.x, p.y) << " not "
            << p.color;
    }
    HoverBackground();
    EXPECT_TRUE(Eventually([&] { return ScreenPixel(boxes_["UltraFlat"], 0, h / 2) == shadow; }));
}
