// The background behind a see-through control, through real windows.
#include "images/parentbackground.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "classlib/application.h"
#include "classlib/bitmap.h"
#include "classlib/exceptions.h"
#include "classlib/form.h"
#include "classlib/label.h"
#include "classlib/panel.h"

namespace {
constexpr TColor kSentinel = 0x123456;

// Paints only what lies behind its window.
class TSeeThrough : public TCustomControl {
protected:
    void Paint() override { PaintParentBackground(this, Canvas()); }
};

// The same without a window of its own.
class TGraphicSeeThrough : public TGraphicControl {
protected:
    void Paint() override { PaintParentBackground(this, Canvas()); }
};

// A windowless control filled with one colour.
class TFill : public TGraphicControl {
public:
    TColor fill = clNone;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(fill);
        Canvas().FillRect(ClientRect());
    }
};

// Paints its colour, noting whether it was marked as painting a copy; may fail.
class TMarkRecorder : public TCustomControl {
public:
    bool markedWhilePainting = false;
    bool fail = false;

protected:
    void Paint() override
    {
        markedWhilePainting = ControlState() & csPaintCopy;
        if (fail)
            throw EInvalidOperation("painting failed");
        Canvas().FillRect(ClientRect());
    }
};

class ParentBackground : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application.Initialize();
        form = std::make_unique<TForm>();
        form->SetBounds(0, 0, 300, 200);
        form->Show();
    }

    template <class T>
    T& Add(TWinControl& parent, RECT bounds)
    {
        auto& control = form->Adopt(std::make_unique<T>());
        control.SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
        control.SetParent(&parent);
        return control;
    }

    static void Stack(TControl& control, HWND where)
    {
        SetWindowPos(control.Handle(), where, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    std::unique_ptr<TForm> form;
};
} // namespace

TEST_F(ParentBackground, TheParentAndTheIntersectingSiblingsBelowShowThrough)
{
    auto& panel = Add<TPanel>(*form, RECT{10, 10, 210, 110});
    panel.SetColor(clMoneyGreen);
    auto& label = Add<TPanel>(panel, RECT{10, 10, 50, 30});
    label.SetColor(clYellow);
    auto& control = Add<TSeeThrough>(panel, RECT{30, 5, 90, 45});
    struct Case {
        const char* what;
        HWND stacking;
        TColor underLabel;
    };
    const Case cases[] = {{"on top", HWND_TOP, clYellow}, {"the bottom control", HWND_BOTTOM, clMoneyGreen}};
    TBitmap picture;
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.SetSize(control.Width(), control.Height());
    for (const auto& c : cases) {
        Stack(control, c.stacking);
        picture.Canvas().Brush().SetColor(kSentinel);
        picture.Canvas().FillRect(RECT{0, 0, 60, 40});
        SendMessageA(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), PRF_CLIENT);
        EXPECT_EQ(picture.Canvas().Pixels(5, 10), c.underLabel) << c.what << ": where the label lies";
        EXPECT_EQ(picture.Canvas().Pixels(40, 30), clMoneyGreen) << c.what << ": the panel";
        EXPECT_EQ(picture.Canvas().Pixels(59, 39), clMoneyGreen) << c.what << ": the panel at the far corner";
    }
}

TEST_F(ParentBackground, AWindowlessControlShowsTheWindowlessSiblingsBeneathItOnly)
{
    auto& panel = Add<TPanel>(*form, RECT{10, 10, 210, 110});
    panel.SetColor(clMoneyGreen);
    Add<TFill>(panel, RECT{10, 10, 50, 30}).fill = clYellow;
    auto& control = Add<TGraphicSeeThrough>(panel, RECT{30, 5, 90, 45});
    Add<TFill>(panel, RECT{60, 5, 90, 45}).fill = clRed;
    TBitmap picture;
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.SetSize(control.Width(), control.Height());
    picture.Canvas().Brush().SetColor(kSentinel);
    picture.Canvas().FillRect(RECT{0, 0, 60, 40});
    control.PaintTo(picture.Canvas().Handle());
    struct Case {
        POINT at;
        TColor expected;
        const char* what;
    };
    const Case cases[] = {{{5, 10}, clYellow, "the sibling beneath"},
                          {{10, 30}, clMoneyGreen, "the panel"},
                          {{45, 20}, clMoneyGreen, "not the sibling above"}};
    for (const Case& c : cases)
        EXPECT_EQ(picture.Canvas().Pixels(c.at.x, c.at.y), c.expected) << c.what;
}

TEST_F(ParentBackground, PaintersAreMarkedWhilePaintingAndUnmarkedAfterAFailure)
{
    auto& parent = Add<TMarkRecorder>(*form, RECT{0, 0, 200, 100});
    auto& sibling = Add<TMarkRecorder>(parent, RECT{0, 0, 50, 50});
    auto& control = Add<TSeeThrough>(parent, RECT{20, 20, 80, 80});
    Stack(control, HWND_TOP);
    TBitmap target;
    target.SetSize(60, 60);

    PaintParentBackground(&control, target.Canvas());
    EXPECT_TRUE(parent.markedWhilePainting);
    EXPECT_TRUE(sibling.markedWhilePainting);
    for (TControl* c : {static_cast<TControl*>(&parent), static_cast<TControl*>(&sibling)})
        EXPECT_EQ(c->ControlState() & csPaintCopy, 0u);

    parent.fail = true;
    EXPECT_THROW(PaintParentBackground(&control, target.Canvas()), EInvalidOperation);
    EXPECT_EQ(parent.ControlState() & csPaintCopy, 0u) << "the mark goes with the failure";

    PaintParentBackground(nullptr, target.Canvas());
    auto& orphan = form->Adopt(std::make_unique<TSeeThrough>());
    PaintParentBackground(&orphan, target.Canvas());
}
