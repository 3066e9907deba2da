// Panels drawn in their parent's window: what lies inside them is clicked,
// painted and told of through the nearest real window, and a windowed child
// coming in gives them a window again.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/bitmap.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/tests/testprocess.h"

namespace {
const char* const kNestForm = R"(NestForm: TForm
  ClientWidth = 300
  ClientHeight = 200
  ShowHint = true
  Bar: TPanel
    DrawInParent = true
    Left = 10
    Top = 20
    Width = 200
    Height = 110
    Color = clMoneyGreen
    BevelOuter = bvNone
    Go: TSpeedButton
      Left = 5
      Top = 5
      Width = 40
      Height = 30
      Caption = &G
    Keys: TGroupBox
      DrawInParent = true
      Left = 60
      Top = 10
      Width = 120
      Height = 90
      Color = clYellow
      Seven: TSpeedButton
        Left = 10
        Top = 30
        Width = 30
        Height = 30
        Caption = 7
        Flat = false
        Hint = seven
  Plain: TPanel
    Left = 220
    Top = 20
    Width = 60
    Height = 60
)";

class NestForm : public TForm {
public:
    NestForm() { LoadFromText(kNestForm); }
};

class DrawnInParent : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Application.Initialize(); }

    void SetUp() override
    {
        form = std::make_unique<NestForm>();
        form->Show();
        for (const char* name : {"Go", "Seven"})
            form->Component<TControl>(name).OnClick = [this, name](TComponent&) { clicks.push_back(name); };
    }

    // A press at one control's middle, a move to another's and the release
    // there, sent to the window the first is drawn in.
    void PressAndRelease(const std::string& pressed, const std::string& released)
    {
        auto middle = [&](const std::string& name, HWND window) {
            const TControl& c = form->Component<TControl>(name);
            POINT at{0, 0};
            EXPECT_EQ(c.DrawingWindow(&at), window) << name;
            return MAKELPARAM(at.x + c.Width() / 2, at.y + c.Height() / 2);
        };
        HWND window = form->Component<TControl>(pressed).DrawingWindow();
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, middle(pressed, window));
        SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, middle(released, window));
        SendMessageA(window, WM_LBUTTONUP, 0, middle(released, window));
    }

    TColor PixelOfForm(int x, int y)
    {
        TBitmap picture;
        picture.SetPixelFormat(TPixelFormat::pf32bit);
        picture.SetSize(form->ClientWidth(), form->ClientHeight());
        form->PaintTo(picture.Canvas().Handle());
        return picture.Canvas().Pixels(x, y);
    }

    std::unique_ptr<NestForm> form;
    std::vector<std::string> clicks;
};

TEST_F(DrawnInParent, NestedContainersHaveNoWindowAndTheirButtonsClickThroughTheForms)
{
    auto& bar = form->Component<TPanel>("Bar");
    auto& keys = form->Component<TGroupBox>("Keys");
    EXPECT_TRUE(bar.Windowless());
    EXPECT_TRUE(keys.Windowless());
    EXPECT_EQ(keys.Handle(), nullptr);
    EXPECT_FALSE(form->Component<TPanel>("Plain").Windowless()) << "only where asked for";

    POINT at{0, 0};
    EXPECT_EQ(form->Component<TControl>("Seven").DrawingWindow(&at), form->Handle());
    EXPECT_EQ(at.x, 10 + 60 + 10);
    EXPECT_EQ(at.y, 20 + 10 + 30);

    PressAndRelease("Seven", "Seven");
    PressAndRelease("Go", "Go");
    PressAndRelease("Seven", "Go");
    EXPECT_EQ(clicks, (std::vector<std::string>{"Seven", "Go"})) << "a press let go elsewhere is no click";

    keys.SetVisible(false);
    PressAndRelease("Seven", "Seven");
    EXPECT_EQ(clicks.size(), 2u) << "a hidden container's buttons take no click";
}

TEST_F(DrawnInParent, ContainersPaintTheirColourAndWhatIsInsideAtTheirPlace)
{
    EXPECT_EQ(PixelOfForm(10 + 190, 20 + 5), clMoneyGreen) << "the panel, beside its group box";
    EXPECT_EQ(PixelOfForm(10 + 60 + 100, 20 + 10 + 20), clYellow) << "the group box inside it";
    const int left = 10 + 60 + 10, top = 20 + 10 + 30;
    EXPECT_EQ(PixelOfForm(left, top), static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT))) << "its button's edge";
    EXPECT_EQ(PixelOfForm(left + 29, top + 29), static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));

    form->Component<TPanel>("Bar").SetColor(clBlue);
    EXPECT_EQ(PixelOfForm(10 + 190, 20 + 5), clBlue);
}

TEST_F(DrawnInParent, TheFormTellsOfWhatIsDrawnInsideAtItsPlaceInTheForm)
{
    const std::vector<TWindowlessControl> found = WindowlessControlsOf(form->Handle());
    std::vector<std::string> told;
    for (const TWindowlessControl& f : found) {
        EXPECT_EQ(f.parent, form->Handle()) << f.className;
        told.push_back(f.className + " " + std::to_string(f.bounds.left) + "," + std::to_string(f.bounds.top));
    }
    EXPECT_EQ(told, (std::vector<std::string>{"TPanel 10,20", "TSpeedButton 15,25", "TGroupBox 70,30",
                                              "TSpeedButton 80,60"}));
}

// The tooltip sees the mouse of the form's window: the hint of a button
// inside is a rectangle of that window, there while its group box is shown.
TEST_F(DrawnInParent, AHintInsideIsARectangleOfTheFormsWindow)
{
    auto toolRect = [&]() -> std::optional<RECT> {
        HWND tips = form->HintWindow();
        TTTOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = form->Handle();
        ti.uId = reinterpret_cast<UINT_PTR>(&form->Component<TControl>("Seven"));
        if (!tips || !SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&ti)))
            return std::nullopt;
        return ti.rect;
    };
    const TControl& seven = form->Component<TControl>("Seven");
    POINT at{0, 0};
    seven.DrawingWindow(&at);
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x + 5, at.y + 5));
    const std::optional<RECT> rect = toolRect();
    ASSERT_TRUE(rect) << "moving onto a hinted button makes the hint window";
    const RECT expected{at.x, at.y, at.x + seven.Width(), at.y + seven.Height()};
    EXPECT_TRUE(EqualRect(&*rect, &expected)) << rect->left << "," << rect->top;

    form->Component<TGroupBox>("Keys").SetVisible(false);
    EXPECT_FALSE(toolRect()) << "no hint over a hidden group box";
    form->Component<TGroupBox>("Keys").SetVisible(true);
    EXPECT_TRUE(toolRect());
}

TEST_F(DrawnInParent, AWindowedChildGivesTheContainersAWindowAndTheirButtonsStillClick)
{
    auto& keys = form->Component<TGroupBox>("Keys");
    auto& edit = form->Adopt(std::make_unique<TEdit>());
    edit.SetBounds(50, 30, 60, 22);
    edit.SetParent(&keys);
    ASSERT_TRUE(edit.HandleAllocated());
    EXPECT_FALSE(keys.Windowless());
    EXPECT_FALSE(form->Component<TPanel>("Bar").Windowless()) << "the group box's window needs its parent's";
    EXPECT_EQ(GetParent(edit.Handle()), keys.Handle());
    EXPECT_EQ(GetParent(keys.Handle()), form->Component<TPanel>("Bar").Handle());

    PressAndRelease("Seven", "Seven");
    PressAndRelease("Go", "Go");
    EXPECT_EQ(clicks, (std::vector<std::string>{"Seven", "Go"}));
    EXPECT_EQ(PixelOfForm(10 + 60 + 100, 20 + 10 + 20), clYellow) << "painted by its own window now";
}
} // namespace
