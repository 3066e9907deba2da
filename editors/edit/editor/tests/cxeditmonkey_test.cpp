// The demonstration form under 2,000 random keys and clicks from a fixed
// seed, through the system's input queue: the editor stores and posts only
// values that passed validation, answers every refusal with one message
// box, and ends with every lock at 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>

#include "classlib/application.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/realinput.h"
#include "editors/edit/editor/tests/editordemoform.h"

namespace {

constexpr int kSteps = 2000;
constexpr unsigned kSeed = 20261210;

bool IsValidatedValue(const Variant& v)
{
    if (VarIsNull(v))
        return true;
    if (!VarTypeIsInteger(v.VarType()))
        return false;
    const int n = v.ToInteger();
    return n >= 0 && n <= 100;
}

POINT ScreenPointOf(const TControl& control, int x, int y)
{
    POINT p{x, y};
    ClientToScreen(control.Handle(), &p);
    return p;
}

// One random user action on the form.
void Act(std::mt19937& random, TEditorDemoForm& form)
{
    // Mostly digits, so that valid values come about between the refusals.
    static const WORD kKeys[] = {'0', '1', '2', '3', '5', '9', '0', '1', 'A', VK_BACK, VK_DELETE,
                                 VK_RETURN, VK_ESCAPE, VK_TAB, VK_LEFT, VK_HOME, VK_SPACE, VK_OEM_MINUS};
    static const WORD kHeld[] = {0, 0, 0, 0, 0, 0, 0, VK_SHIFT, VK_CONTROL};
    const unsigned kind = random() % 10;
    if (kind < 8) {
        TapKeyInput(kKeys[random() % std::size(kKeys)], kHeld[random() % std::size(kHeld)]);
        return;
    }
    // A click on the editor's text, on its button, or on the plain EDIT.
    const TDemoIntegerEdit& edit = form.Editor();
    POINT target;
    switch (random() % 3) {
    case 0:
        target = ScreenPointOf(edit, 10, edit.Height() / 2);
        break;
    case 1:
        target = ScreenPointOf(edit, edit.Width() - 6, edit.Height() / 2);
        break;
    default:
        target = ScreenPointOf(form.Plain(), 10, 10);
        break;
    }
    MoveCursorInput(target);
    LeftButtonInput(true);
    LeftButtonInput(false);
}

} // namespace

TEST(EditorMonkey, RandomKeysAndClicksStoreOnlyValidatedValues)
{
    auto form = std::make_unique<TEditorDemoForm>();
    form->Show();
    SetForegroundWindow(form->Handle());
    Application.ProcessMessages();
    // A refusal shows its box; the monkey closes it as a user would.
    DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
    TDemoIntegerEdit& edit = form->Editor();
    std::mt19937 random(kSeed);
    int badValues = 0;
    for (int step = 0; step < kSteps; ++step) {
        Act(random, *form);
        PumpInput([] { return false; }, 5);
        if (!IsValidatedValue(edit.EditValue()) && ++badValues == 1)
            ADD_FAILURE() << "step " << step << " stored " << VarToStr(edit.EditValue());
    }
    SettleInput();
    std::printf("%d steps: %zu posts, %d message boxes, %d validations\n", kSteps, edit.Binding().Posts.size(),
                boxes.Count(), form->Validations());
    EXPECT_EQ(badValues, 0);
    for (const Variant& posted : edit.Binding().Posts)
        EXPECT_TRUE(IsValidatedValue(posted)) << VarToStr(posted);
    for (const std::string& message : boxes.Messages())
        EXPECT_EQ(message, "Invalid input value. Use escape key to abandon changes");
    EXPECT_EQ(edit.ChangeEventsLockCount(), 0);
    EXPECT_EQ(edit.ClickLockCount(), 0);
    EXPECT_EQ(edit.EditingEventLockCount(), 0);
    EXPECT_EQ(edit.ModifiedStackDepth(), 0);
    // The run went through the paths that matter.
    EXPECT_FALSE(edit.Binding().Posts.empty());
    EXPECT_GT(boxes.Count(), 0);
    EXPECT_GT(form->Validations(), 0);
}
