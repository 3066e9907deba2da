// The spin editor's buttons: where each lies and which way its arrows
// point in every look, a click at each one's centre, a held button's
// repeat, and a repeating step that takes the focus or frees the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/application.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/realinput.h"
#include "editors/controls/spin/cxspineditviewdata.h"
#include "editors/controls/spin/tests/spinscene.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/tests/editpaintscene.h"
#include "editors/foundation/theme/dxthememanager.h"

namespace {

const struct Layout {
    const char* name;
    TcxSpinEditButtonsPosition position;
    bool fast;
} kLayouts[] = {
    {"vertical", sbpVert, false},          {"vertical, fast", sbpVert, true},
    {"right", sbpHorzRight, false},        {"right, fast", sbpHorzRight, true},
    {"left and right", sbpHorzLeftRight, false}, {"left and right, fast", sbpHorzLeftRight, true},
};

// Tall enough that each half of a column shows a plain arrow.
void Arrange(SpinScene& s, const Layout& layout)
{
    s.edit->SetAutoSize(false);
    s.edit->SetBounds(10, 10, 200, 40);
    s.Properties().SpinButtons().SetPosition(layout.position);
    s.Properties().SpinButtons().SetShowFastButtons(layout.fast);
    s.Properties().SetMinValue(0);
    s.Properties().SetMaxValue(100);
    s.edit->SetValue(Variant(50));
    Application.ProcessMessages();
}

// Rows (or columns) of arrow pixels across the direction, from its tail to its tip.
std::vector<int> Widths(const TShot& shot, const TRect& box, TColor ink, TcxArrowDirection direction)
{
    const bool vertical = direction == adUp || direction == adDown;
    std::vector<int> widths;
    const int from = vertical ? box.top : box.left, to = vertical ? box.bottom : box.right;
    for (int i = from; i < to; ++i) {
        const TRect line = vertical ? TRect{box.left, i, box.right, i + 1} : TRect{i, box.top, i + 1, box.bottom};
        widths.push_back(shot.Count(line, ink));
    }
    if (direction == adUp || direction == adLeft)
        std::reverse(widths.begin(), widths.end());
    return widths;
}

TEST(SpinEditButtons, EachButtonPointsItsWayInEveryLook)
{
    const struct Look {
        const char* name;
        TcxLookAndFeelKind kind;
        bool native;
    } looks[] = {{"flat", lfFlat, false},
                 {"standard", lfStandard, false},
                 {"ultra flat", lfUltraFlat, false},
                 {"office 11", lfOffice11, false},
                 {"native", lfStandard, true}};
    const int rowHeight = 44, width = 200;
    TShot gallery(width, rowHeight * static_cast<int>(std::size(looks) * std::size(kLayouts)));
    int row = 0;
    SpinScene s;
    for (const Look& look : looks) {
        for (const Layout& layout : kLayouts) {
            SCOPED_TRACE(std::string(look.name) + ", " + layout.name);
            s.Renew();
            TcxLookAndFeel& lf = s.edit->Styles().StyleNormal().LookAndFeel();
            lf.SetKind(look.kind);
            lf.SetNativeStyle(look.native);
            Arrange(s, layout);
            TcxCustomEditViewInfo& vi = s.edit->ViewInfo();
            ASSERT_EQ(vi.ButtonCount(), layout.fast ? 4 : 2);
            TShot shot(s.edit->Width(), s.edit->Height());
            vi.Paint(shot.canvas);
            BitBlt(gallery.canvas.Handle(), 0, row++ * rowHeight, shot.bitmap.Width(), shot.bitmap.Height(),
                   shot.canvas.Handle(), 0, 0, SRCCOPY);
            // The text area ends where the buttons begin on either side.
            for (int i = 0; i < vi.ButtonCount(); ++i) {
                const TcxEditButtonViewInfo& b = vi.Button(i);
                const auto kind = static_cast<TcxSpinButtonKind>(b.Index);
                EXPECT_TRUE(b.Bounds.right <= vi.ContentRect.left || b.Bounds.left >= vi.ContentRect.right) << i;
                const TcxArrowDirection direction = cxSpinArrowDirection(layout.position, kind);
                if (b.ThemeClass == kSpinThemeClass) {
                    // The theme's spin part paints the whole button.
                    EXPECT_EQ(shot.Count(b.Bounds, kSentinel), 0) << i;
                    continue;
                }
                const TRect box = shot.BoxOf(ContentArea(b), Sys(clBtnText));
                ASSERT_FALSE(cxRectIsEmpty(box)) << i;
                std::vector<int> widths = Widths(shot, box, Sys(clBtnText), direction);
                // From tail to tip the arrow narrows; a doubled one narrows twice.
                int narrowings = 0;
                for (std::size_t k = 1; k < widths.size(); ++k)
                    narrowings += widths[k] < widths[k - 1];
                int widenings = 0;
                for (std::size_t k = 1; k < widths.size(); ++k)
                    widenings += widths[k] > widths[k - 1] + 1;
                EXPECT_GT(narrowings, 0) << i;
                EXPECT_EQ(widenings, cxSpinArrowDoubled(kind) ? 1 : 0) << i;
            }
            if (layout.position == sbpVert) {
                // Forward over backward in the outer column.
                const TRect up = vi.Button(sbkForward).Bounds, down = vi.Button(sbkBackward).Bounds;
                EXPECT_EQ(up.left, down.left);
                EXPECT_LE(up.bottom, down.top);
            }
        }
    }
    gallery.bitmap.SaveToFile(ThemeLibraryExpected() ? "spin_edit_gallery.bmp" : "spin_edit_gallery_nouxtheme.bmp");
}

TEST(SpinEditButtons, AClickAtEachButtonsCentreStepsItsKind)
{
    const double expected[] = {/*backward*/ 49, /*forward*/ 51, /*fast backward*/ 40, /*fast forward*/ 60};
    SpinScene s;
    for (const Layout& layout : kLayouts) {
        SCOPED_TRACE(layout.name);
        s.Renew();
        Arrange(s, layout);
        ASSERT_TRUE(s.Focus()) << DescribeInputTarget();
        for (int kind = 0; kind < (layout.fast ? 4 : 2); ++kind) {
            s.edit->SetValue(Variant(50));
            s.edit->SelectAll();
            MoveCursorInput(s.ButtonCentre(static_cast<TcxSpinButtonKind>(kind)));
            LeftButtonInput(true);
            LeftButtonInput(false);
            EXPECT_TRUE(Within(3000, [&] { return s.Shown() == std::to_string(static_cast<int>(expected[kind])); }))
                << kind << ": " << s.Shown();
            EXPECT_TRUE(Within(3000, [&] { return s.edit->RepeatTimer() == nullptr; })) << kind;
        }
    }
}

TEST(SpinEditButtons, ASpinKeyShowsItsButtonPressedWhileDown)
{
    const struct {
        WORD key;
        TcxSpinButtonKind kind;
    } keys[] = {{VK_UP, sbkForward}, {VK_DOWN, sbkBackward}, {VK_PRIOR, sbkFastForward}, {VK_NEXT, sbkFastBackward}};
    SpinScene s;
    Arrange(s, kLayouts[1]);
    ASSERT_TRUE(s.Focus()) << DescribeInputTarget();
    const auto stateOf = [&](TcxSpinButtonKind kind) {
        const TcxCustomEditViewInfo& vi = s.edit->ViewInfo();
        for (int i = 0; i < vi.ButtonCount(); ++i)
            if (vi.Button(i).Index == kind)
                return vi.Button(i).Data.State;
        return ebsDisabled;
    };
    for (const auto& k : keys) {
        SendKeyInput(k.key, true);
        EXPECT_TRUE(Within(3000, [&] { return stateOf(k.kind) == ebsPressed; })) << k.key;
        EXPECT_EQ(s.edit->PressedSpinButton(), k.kind) << k.key;
        SendKeyInput(k.key, false);
        EXPECT_TRUE(Within(3000, [&] { return stateOf(k.kind) != ebsPressed; })) << k.key;
        EXPECT_EQ(s.edit->PressedSpinButton(), -1) << k.key;
    }
}

TEST(SpinEditButtons, AHeldButtonStepsAtOnceThenRepeats)
{
    SpinScene s;
    Arrange(s, kLayouts[0]);
    s.Properties().SetMaxValue(1000);
    ASSERT_TRUE(s.Focus()) << DescribeInputTarget();
    MoveCursorInput(s.ButtonCentre(sbkForward));
    LeftButtonInput(true);
    ASSERT_TRUE(Within(3000, [&] { return s.edit->RepeatTimer() != nullptr; }));
    EXPECT_EQ(s.Shown(), "51") << "one step at once";
    EXPECT_EQ(s.edit->RepeatTimer()->Interval(), 400u);
    ASSERT_TRUE(Within(3000, [&] { return s.Shown() == "52"; }));
    EXPECT_EQ(s.edit->RepeatTimer()->Interval(), 100u);
    Within(1000, [] { return false; });
    LeftButtonInput(false);
    ASSERT_TRUE(Within(3000, [&] { return s.edit->RepeatTimer() == nullptr; }));
    const int steps = std::stoi(s.Shown()) - 50;
    // 1 at once, 1 at 400 ms, about 10 in the second after: loosely.
    EXPECT_GE(steps, 5);
    EXPECT_LE(steps, 16);
    Within(300, [] { return false; });
    EXPECT_EQ(std::stoi(s.Shown()) - 50, steps) << "no step after the release";
}

// Told when the component it watches goes.
class TFreeWatch : public TComponent {
public:
    bool freed = false;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        freed = freed || operation == TOperation::opRemove;
        TComponent::Notification(component, operation);
    }
};

TEST(SpinEditButtons, ARepeatingStepThatTakesTheFocusOrFreesTheEditorEndsTheRepeat)
{
    TFreedMemoryTrap trap;
    SpinScene s;
    for (bool frees : {false, true}) {
        SCOPED_TRACE(frees ? "frees the editor" : "takes the focus");
        s.Renew();
        Arrange(s, kLayouts[0]);
        int changes = 0;
        TFreeWatch timerWatch;
        bool stoppedInTick = false, freedInTick = true;
        s.Properties().OnChange = [&](TComponent&) {
            // The second step comes from the timer's tick.
            if (++changes != 2)
                return;
            TcxCustomSpinEdit& edit = *s.edit;
            const_cast<TcxTimer*>(edit.RepeatTimer())->FreeNotification(&timerWatch);
            if (frees) {
                s.owned.reset();
            } else {
                s.other->SetFocus();
                stoppedInTick = edit.RepeatTimer() == nullptr;
            }
            // The timer still runs its tick: it goes once the tick is over.
            freedInTick = timerWatch.freed;
        };
        ASSERT_TRUE(s.Focus()) << DescribeInputTarget();
        MoveCursorInput(s.ButtonCentre(sbkForward));
        LeftButtonInput(true);
        EXPECT_TRUE(Within(3000, [&] { return changes >= 2; }));
        Within(500, [] { return false; });
        LeftButtonInput(false);
        SettleInput();
        EXPECT_EQ(changes, 2) << "no step after the one that ended the repeat";
        EXPECT_FALSE(freedInTick);
        EXPECT_TRUE(timerWatch.freed);
        if (!frees) {
            EXPECT_TRUE(stoppedInTick);
            EXPECT_EQ(s.edit->RepeatTimer(), nullptr);
            EXPECT_EQ(s.edit->PressedSpinButton(), -1);
        }
    }
}

} // namespace
