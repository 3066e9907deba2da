// Painted controls read back through WM_PRINTCLIENT into bitmaps, and
// windowless controls as their windows tell programs outside of them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "classlib/application.h"
#include "classlib/bevel.h"
#include "classlib/bitmap.h"
#include "classlib/customedit.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "classlib/linklabel.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/testprocess.h"
#include "classlib/windowlessquery.h"

namespace {
constexpr TColor kSentinel = 0x123456;

const char* const kPaintForm = R"(PaintForm: TForm
  ClientWidth = 300
  ClientHeight = 200
  Panel: TPanel
    Left = 0
    Top = 0
    Width = 120
    Height = 60
    Color = clMoneyGreen
    Button: TSpeedButton
      Left = 10
      Top = 10
      Width = 40
      Height = 30
      Caption = &C
      Down = true
  Line: TBevel
    Left = 130
    Top = 0
    Width = 50
    Height = 40
    Shape = bsFrame
  Memo: TMemo
    Left = 0
    Top = 100
    Width = 200
    Height = 80
)";

// Windowless controls on the form and on a panel, between windowed ones.
const char* const kAskedForm = R"(AskedForm: TForm
  ClientWidth = 240
  ClientHeight = 120
  Title: TLabel
    Left = 4
    Top = 6
    Width = 80
    Height = 16
    Caption = Name
  Box: TPanel
    Left = 100
    Top = 10
    Width = 120
    Height = 80
    Site: TLinkLabel
      Left = 5
      Top = 40
      Width = 60
      Height = 14
      Caption = home page
      Visible = false
    Button: TSpeedButton
      Left = 5
      Top = 5
      Width = 30
      Height = 24
      Caption = &G
  Edit: TEdit
    Left = 0
    Top = 90
    Width = 80
    Height = 22
  Line: TBevel
    Left = 4
    Top = 30
    Width = 80
    Height = 2
)";

// Fills a red square and counts its paints.
class TSquare : public TCustomControl {
public:
    using TCustomControl::SetOpaque;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(RECT{2, 2, 12, 12});
    }
};

// Moves its DC's origin, remembers the DC, and fails.
class TFailingPaint : public TCustomControl {
public:
    HDC painted = nullptr;

protected:
    void Paint() override
    {
        painted = Canvas().Handle();
        SetViewportOrgEx(painted, 7, 7, nullptr);
        throw EInvalidOperation("paint failed");
    }
};

// A windowless square: red inside, and a yellow stroke outside its own
// rectangle that the clipping must keep off the parent.
class TGraphicSquare : public TGraphicControl {
protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clYellow);
        Canvas().FillRect(RECT{-6, -6, 0, 0});
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(RECT{2, 2, 12, 12});
    }
};

// Fills itself with a colour changed without telling its window.
class TSwatch : public TGraphicControl {
public:
    TColor fill = clRed;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(fill);
        Canvas().FillRect(RECT{0, 0, Width(), Height()});
    }
};

class PaintForm : public TForm {
public:
    PaintForm() { LoadFromText(kPaintForm); }
};

class AskedForm : public TForm {
public:
    AskedForm() { LoadFromText(kAskedForm); }
};

TColor Sys(int index)
{
    return static_cast<TColor>(GetSysColor(index));
}

class Painting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application.Initialize();
        form = std::make_unique<PaintForm>();
        form->Show();
    }
    static void TearDownTestSuite() { form.reset(); }

    // What the control paints on a bitmap pre-filled with the sentinel colour.
    static std::unique_ptr<TBitmap> Print(TControl& control, bool erase = true)
    {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetPixelFormat(TPixelFormat::pf32bit);
        bitmap->SetSize(control.Width(), control.Height());
        bitmap->Canvas().Brush().SetColor(kSentinel);
        bitmap->Canvas().FillRect(RECT{0, 0, control.Width(), control.Height()});
        const auto dc = reinterpret_cast<WPARAM>(bitmap->Canvas().Handle());
        const LPARAM flags = PRF_CLIENT | (erase ? PRF_ERASEBKGND : 0);
        if (control.Windowless())
            control.Perform(WM_PRINTCLIENT, dc, flags);
        else
            SendMessageA(control.Handle(), WM_PRINTCLIENT, dc, flags);
        return bitmap;
    }
    static TSquare& NewSquare(bool opaque)
    {
        auto& square = form->Adopt(std::make_unique<TSquare>());
        square.SetOpaque(opaque);
        square.SetColor(clYellow);
        square.SetBounds(200, 0, 30, 30);
        square.SetParent(form.get());
        return square;
    }
    // The two kinds of window a windowless control is drawn in, each with
    // a free place for one.
    struct Host {
        const char* kind;
        TWinControl* control;
        POINT at;
    };
    static std::vector<Host> Hosts(POINT onForm, POINT onPanel)
    {
        return {{"form", form.get(), onForm}, {"panel", &form->Component<TPanel>("Panel"), onPanel}};
    }
    static std::unique_ptr<PaintForm> form;
};

std::unique_ptr<PaintForm> Painting::form;
} // namespace

TEST_F(Painting, PaintDrawsOnTheCanvasAndOnlyAnOpaqueControlSkipsTheBackground)
{
    for (bool opaque : {false, true}) {
        TSquare& square = NewSquare(opaque);
        auto picture = Print(square);
        EXPECT_EQ(picture->Canvas().Pixels(5, 5), clRed) << opaque;
        EXPECT_EQ(picture->Canvas().Pixels(20, 20), opaque ? kSentinel : clYellow) << opaque;
        EXPECT_EQ(Print(square, false)->Canvas().Pixels(20, 20), kSentinel) << "no erase asked";
    }
}

TEST_F(Painting, RepaintPaintsThroughTheWindowAtOnce)
{
    TSquare& square = NewSquare(false);
    square.Update();
    int before = square.paints;
    square.Repaint();
    EXPECT_EQ(square.paints, before + 1);
    square.Invalidate();
    EXPECT_EQ(square.paints, before + 1) << "invalidating alone paints later";
    square.Update();
    EXPECT_EQ(square.paints, before + 2);
}

TEST_F(Painting, EachClassHasItsOwnWindowClassWithItsStyle)
{
    struct Case {
        TControl* control;
        const char* name;
        bool doubleClicks;
    };
    TSquare& square = NewSquare(false);
    const Case cases[] = {{&square, nullptr, true},
                          {&form->Component<TPanel>("Panel"), "TPanel", false},
                          {&form->Component<TSpeedButton>("Button"), "TSpeedButton", false},
                          {&form->Component<TBevel>("Line"), "TBevel", false}};
    for (const auto& c : cases) {
        // The graphic controls draw in their parent's window.
        if (c.control->Windowless()) {
            EXPECT_FALSE(c.control->HandleAllocated()) << c.name;
            EXPECT_EQ(c.control->Handle(), nullptr) << c.name;
            continue;
        }
        char name[256] = {};
        GetClassNameA(c.control->Handle(), name, sizeof name);
        if (c.name)
            EXPECT_STREQ(name, c.name);
        else
            EXPECT_NE(std::string(name).find("TSquare"), std::string::npos) << name;
        EXPECT_EQ((GetClassLongA(c.control->Handle(), GCL_STYLE) & CS_DBLCLKS) != 0, c.doubleClicks) << name;
    }
}

TEST_F(Painting, PanelSpeedButtonAndBevelKeepTheirLook)
{
    auto panel = Print(form->Component<TPanel>("Panel"));
    EXPECT_EQ(panel->Canvas().Pixels(0, 0), Sys(COLOR_BTNHIGHLIGHT)) << "raised bevel";
    EXPECT_EQ(panel->Canvas().Pixels(119, 59), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(panel->Canvas().Pixels(80, 30), clMoneyGreen);

    TSpeedButton& button = form->Component<TSpeedButton>("Button");
    auto down = Print(button);
    EXPECT_EQ(down->Canvas().Pixels(0, 0), Sys(COLOR_BTNSHADOW)) << "sunk while down";
    EXPECT_EQ(down->Canvas().Pixels(3, 3), clMoneyGreen) << "the panel's colour";
    int ink = 0;
    for (int x = 1; x < 39; ++x)
        for (int y = 1; y < 29; ++y)
            ink += down->Canvas().Pixels(x, y) != clMoneyGreen;
    EXPECT_GT(ink, 0) << "the caption";
    button.SetDown(false);
    EXPECT_EQ(Print(button)->Canvas().Pixels(0, 0), clMoneyGreen) << "flat while up and cold";
    button.SetDown(true);

    auto bevel = Print(form->Component<TBevel>("Line"));
    EXPECT_EQ(bevel->Canvas().Pixels(0, 0), Sys(COLOR_BTNSHADOW)) << "etched frame";
    EXPECT_EQ(bevel->Canvas().Pixels(25, 20), Sys(COLOR_BTNFACE)) << "the form's colour";
}

// Labels draw their caption as a STATIC does: aligned, word-wrapped or one
// line centred vertically, greyed while disabled, on their parent's colour.
TEST_F(Painting, LabelsPlaceTheirCaptionAsAsked)
{
    struct Case {
        const char* alignment;
        const char* layout;
        bool enabled;
        // Where the ink's middle lies: -1 near the start, 0 centred, 1 near the end.
        int across, down;
    };
    const Case cases[] = {{"taLeftJustify", "tlTop", true, -1, -1},
                          {"taCenter", "tlTop", true, 0, -1},
                          {"taRightJustify", "tlCenter", true, 1, 0},
                          {"taLeftJustify", "tlTop", false, -1, -1}};
    TPanel& panel = form->Component<TPanel>("Panel");
    for (const Case& c : cases) {
        auto& label = form->Adopt(std::make_unique<TLabel>());
        label.SetProperty("Alignment", c.alignment);
        label.SetProperty("Layout", c.layout);
        label.SetBounds(0, 0, 110, 50);
        label.SetText("Ink");
        label.SetEnabled(c.enabled);
        label.SetParent(&panel);
        auto picture = Print(label);
        const std::string what = std::string(c.alignment) + " " + c.layout + (c.enabled ? "" : " disabled");
        RECT ink{110, 50, -1, -1};
        int grey = 0, background = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 110; ++x) {
                TColor pixel = picture->Canvas().Pixels(x, y);
                if (pixel == clMoneyGreen) {
                    ++background;
                    continue;
                }
                grey += pixel == Sys(COLOR_GRAYTEXT);
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x),
                       std::max<LONG>(ink.bottom, y)};
            }
        ASSERT_GE(ink.right, ink.left) << what << ": no caption";
        EXPECT_GT(background, 110 * 50 / 2) << what << ": the panel's colour around it";
        auto place = [](LONG from, LONG to, int size) {
            LONG middle = (from + to) / 2;
            return middle < size / 3 ? -1 : middle > size * 2 / 3 ? 1 : 0;
        };
        EXPECT_EQ(place(ink.left, ink.right, 110), c.across) << what;
        EXPECT_EQ(place(ink.top, ink.bottom, 50), c.down) << what;
        EXPECT_EQ(grey > 0, !c.enabled) << what;
        delete &label;
    }
}

TEST_F(Painting, GraphicControlNeverTakesTheFocus)
{
    TMemo& memo = form->Component<TMemo>("Memo");
    memo.SetFocus();
    ASSERT_TRUE(memo.Focused());
    for (TControl* control : {static_cast<TControl*>(&form->Component<TSpeedButton>("Button")),
                              static_cast<TControl*>(&form->Component<TBevel>("Line"))}) {
        EXPECT_FALSE(control->CanFocus()) << control->Name();
        control->SetFocus();
        EXPECT_TRUE(memo.Focused()) << control->Name();
        EXPECT_FALSE(control->Focused()) << control->Name();
    }
}

// Each parent kind paints its windowless children in its own window, and a
// change of one marks only its rectangle (old and new) for painting.
TEST_F(Painting, AWindowlessControlPaintsInItsParentAndInvalidatesOnlyItsRectangle)
{
    for (const Host& p : Hosts({240, 10}, {60, 10})) {
        const char* kind = p.kind;
        HWND window = p.control->Handle();
        auto& square = form->Adopt(std::make_unique<TGraphicSquare>());
        square.SetBounds(p.at.x, p.at.y, 20, 20);
        square.SetParent(p.control);
        struct Step {
            const char* what;
            std::function<void()> act;
            RECT dirty;
        };
        const int x = p.at.x, y = p.at.y;
        const Step steps[] = {
            {"invalidated", [&] { square.Invalidate(); }, {x, y, x + 20, y + 20}},
            {"moved", [&] { square.SetBounds(x + 10, y, 20, 20); }, {x, y, x + 30, y + 20}},
            {"hidden", [&] { square.SetVisible(false); }, {x + 10, y, x + 30, y + 20}},
            {"shown", [&] { square.SetVisible(true); }, {x + 10, y, x + 30, y + 20}},
        };
        for (const Step& step : steps) {
            UpdateWindow(window);
            step.act();
            RECT dirty{};
            EXPECT_TRUE(GetUpdateRect(window, &dirty, FALSE)) << kind << " " << step.what;
            EXPECT_TRUE(EqualRect(&dirty, &step.dirty)) << kind << " " << step.what << ": " << dirty.left << ","
                                                        << dirty.top << "-" << dirty.right << "," << dirty.bottom;
        }
        UpdateWindow(window);
        HDC dc = GetDC(window);
        const int left = square.Left(), top = square.Top();
        EXPECT_EQ(GetPixel(dc, left + 5, top + 5), ColorToRGB(clRed)) << kind << ": inside";
        EXPECT_NE(GetPixel(dc, left - 3, top - 3), ColorToRGB(clYellow)) << kind << ": clipped to its rectangle";
        EXPECT_NE(GetPixel(dc, left + 15, top + 15), ColorToRGB(clRed)) << kind;
        ReleaseDC(window, dc);
        delete &square;
        RECT dirty{};
        EXPECT_TRUE(GetUpdateRect(window, &dirty, FALSE)) << kind << ": freed, its place is repainted";
        UpdateWindow(window);
    }
}

TEST_F(Painting, RepaintDrawsAWindowlessControlAtOnceAsItsWindowWouldPaintIt)
{
    const auto pixels = [](HWND window, const RECT& r) {
        std::vector<COLORREF> seen;
        HDC dc = GetDC(window);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                seen.push_back(GetPixel(dc, x, y));
        ReleaseDC(window, dc);
        return seen;
    };
    for (const Host& p : Hosts({200, 60}, {55, 10})) {
        const char* kind = p.kind;
        HWND window = p.control->Handle();
        auto& swatch = form->Adopt(std::make_unique<TSwatch>());
        swatch.SetBounds(p.at.x, p.at.y, 40, 20);
        swatch.SetParent(p.control);
        // Above the swatch, so drawn over it, and reaching past it.
        auto& over = form->Adopt(std::make_unique<TGraphicSquare>());
        over.SetBounds(p.at.x + 30, p.at.y, 20, 20);
        over.SetParent(p.control);
        const RECT place{p.at.x, p.at.y, p.at.x + 50, p.at.y + 20};
        UpdateWindow(window);
        const auto before = pixels(window, place);

        // The swatch alone is drawn: what else waits for the window's paint still waits.
        RECT elsewhere{0, 0, 4, 4};
        InvalidateRect(window, &elsewhere, TRUE);
        swatch.fill = clBlue;
        swatch.Repaint();
        RECT dirty{};
        EXPECT_TRUE(GetUpdateRect(window, &dirty, FALSE) && EqualRect(&dirty, &elsewhere)) << kind;
        HDC dc = GetDC(window);
        EXPECT_EQ(GetPixel(dc, p.at.x + 5, p.at.y + 5), ColorToRGB(clBlue)) << kind;
        EXPECT_EQ(GetPixel(dc, p.at.x + 35, p.at.y + 5), ColorToRGB(clRed)) << kind << ": the square stays on top";
        ReleaseDC(window, dc);
        const auto now = pixels(window, place);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(pixels(window, place) == now) << kind << ": as the window's own paint draws it";

        // Hidden, it is not drawn; shown again, its window paints it.
        swatch.SetVisible(false);
        UpdateWindow(window);
        const auto hidden = pixels(window, place);
        swatch.fill = clRed;
        swatch.Repaint();
        EXPECT_TRUE(pixels(window, place) == hidden) << kind << ": not drawn while hidden";
        swatch.SetVisible(true);
        UpdateWindow(window);
        EXPECT_TRUE(pixels(window, place) == before) << kind << ": back to its first colour";
        delete &over;
        delete &swatch;
        UpdateWindow(window);
    }
}

TEST_F(Painting, PaintToDrawsTheControlWithItsChildrenAtThePlaceAskedAndClipped)
{
    TPanel& panel = form->Component<TPanel>("Panel");
    TBitmap picture;
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.SetSize(140, 80);
    picture.Canvas().Brush().SetColor(kSentinel);
    picture.Canvas().FillRect(RECT{0, 0, 140, 80});
    panel.PaintTo(picture.Canvas().Handle(), 5, 7);
    struct Case {
        int x, y;
        TColor expected;
        const char* what;
    };
    const Case cases[] = {{4, 7, kSentinel, "left of the panel"},
                          {5, 7, Sys(COLOR_BTNHIGHLIGHT), "the panel's raised bevel"},
                          {85, 37, clMoneyGreen, "the panel's colour"},
                          {15, 17, Sys(COLOR_BTNSHADOW), "the speed button inside, sunk"},
                          {125, 67, kSentinel, "clipped to the panel"}};
    for (const auto& c : cases)
        EXPECT_EQ(picture.Canvas().Pixels(c.x, c.y), c.expected) << c.what;

    // A label nested at an offset still shows its caption.
    auto& label = form->Adopt(std::make_unique<TLabel>());
    label.SetParent(&panel);
    label.SetBounds(60, 36, 40, 16);
    label.SetText("Ink");
    picture.Canvas().FillRect(RECT{0, 0, 140, 80});
    panel.PaintTo(picture.Canvas().Handle(), 5, 7);
    int ink = 0;
    for (int y = 43; y < 59; ++y)
        for (int x = 65; x < 105; ++x)
            ink += picture.Canvas().Pixels(x, y) != clMoneyGreen;
    EXPECT_GT(ink, 0) << "the label's caption";
    delete &label;

    // WM_PAINT with a DC paints into it, outside the paint cycle.
    TSquare& square = NewSquare(true);
    picture.Canvas().FillRect(RECT{0, 0, 140, 80});
    square.Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), 0);
    EXPECT_EQ(picture.Canvas().Pixels(5, 5), clRed);
}

TEST_F(Painting, APaintThatRaisesEndsItsPaintCycleAndLeavesTheDCAsItWas)
{
    DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
    auto& control = form->Adopt(std::make_unique<TFailingPaint>());
    control.SetBounds(200, 40, 30, 30);
    control.SetParent(form.get());

    RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_NE(control.painted, nullptr);
    EXPECT_EQ(ReleaseDC(control.Handle(), control.painted), 0) << "EndPaint gave the DC back already";
    EXPECT_FALSE(GetUpdateRect(control.Handle(), nullptr, FALSE));

    TBitmap target;
    target.SetSize(30, 30);
    HDC dc = target.Canvas().Handle();
    SendMessageA(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EXPECT_EQ(control.painted, dc);
    POINT origin{-1, -1};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_EQ(boxes.Count(), 2) << "each failure reported once";
    delete &control;
}

// A program outside finds windowless controls by asking their windows: the
// form and each window inside it tell of their own, bottom first, with place,
// visibility, class and text; a label kept by its place reads what it shows
// now, and nothing once another kind of control has taken that place.
TEST_F(Painting, WindowsTellAskersOfTheirWindowlessControls)
{
    AskedForm asked;
    asked.Show();
    HWND window = asked.Handle(), box = asked.Component<TPanel>("Box").Handle();
    struct Told {
        HWND parent;
        int index;
        RECT bounds;
        bool visible;
        std::string className, text;
    };
    const Told expected[] = {
        {window, 0, {4, 6, 84, 22}, true, "TLabel", "Name"},
        {window, 1, {4, 30, 84, 32}, true, "TBevel", ""},
        {box, 0, {5, 40, 65, 54}, false, "TLinkLabel", "home page"},
        {box, 1, {5, 5, 35, 29}, true, "TSpeedButton", "&G"},
    };
    const std::vector<TWindowlessControl> found = WindowlessControlsOf(window);
    ASSERT_EQ(found.size(), std::size(expected));
    for (std::size_t i = 0; i < found.size(); ++i) {
        const TWindowlessControl& f = found[i];
        const Told& e = expected[i];
        EXPECT_EQ(f.parent, e.parent) << i;
        EXPECT_EQ(f.index, e.index) << i;
        EXPECT_TRUE(EqualRect(&f.bounds, &e.bounds)) << i << ": " << f.bounds.left << "," << f.bounds.top << "-"
                                                     << f.bounds.right << "," << f.bounds.bottom;
        EXPECT_EQ(f.visible, e.visible) << i;
        EXPECT_EQ(f.className, e.className) << i;
        EXPECT_EQ(f.text, e.text) << i;
    }
    RECT onScreen = expected[2].bounds;
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
    const RECT screenBounds = found[2].ScreenBounds();
    EXPECT_TRUE(EqualRect(&screenBounds, &onScreen));

    const std::vector<TWindowlessControl> labels = LabelsOf(window);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1].text, "home page");
    EXPECT_EQ(LabelTextsOf(window), std::vector<std::string>{"Name"}) << "the visible ones";

    const TLabelRef title(labels[0]), site(labels[1]);
    asked.Component<TLinkLabel>("Site").SetText("elsewhere");
    asked.Component<TLinkLabel>("Site").SetBounds(5, 60, 70, 14);
    EXPECT_EQ(site.Text(), "elsewhere");
    TWindowlessControl now;
    ASSERT_TRUE(site.Read(now));
    EXPECT_EQ(now.bounds.top, 60);
    EXPECT_EQ(now.bounds.right, 75);
    EXPECT_EQ(title.Text(), "Name");
    delete &asked.Component<TLabel>("Title");
    EXPECT_FALSE(title.Read(now)) << "the bevel is first now";
    EXPECT_EQ(title.Text(), "");
    EXPECT_FALSE(TLabelRef().Read(now));
}

// A program that asks and then takes no record (it posted the question, or
// hangs) is given up on after the first one, and the window goes on.
TEST_F(Painting, AnAskerThatTakesNoRecordDoesNotHangTheWindow)
{
    AskedForm asked;
    asked.Show();
    HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr), release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND stuck = nullptr;
    std::thread asker([&] {
        stuck = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetEvent(created);
        WaitForSingleObject(release, INFINITE);
        DestroyWindow(stuck);
    });
    WaitForSingleObject(created, INFINITE);
    const LRESULT told =
        SendMessageA(asked.Handle(), WindowlessQueryMessage(), reinterpret_cast<WPARAM>(stuck), 0);
    SetEvent(release);
    asker.join();
    CloseHandle(created);
    CloseHandle(release);
    EXPECT_EQ(told, 0);
    EXPECT_EQ(WindowlessControlsOf(asked.Handle()).size(), 4u) << "answers the next asker";
}
