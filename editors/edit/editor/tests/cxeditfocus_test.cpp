// The editor and the focus, with real Tab and clicks: leaving with an
// invalid text is refused with one message and keeps the focus, a valid
// one posts before OnExit, and the focus moving between the editor and its
// own EDIT is no exit. Handlers that raise, move the focus or free the form
// on the way leave the editor whole or gone, never half.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "classlib/application.h"
#include "classlib/exceptions.h"
#include "classlib/shortcut.h"
#include "classlib/tests/dialogwatcher.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/realinput.h"
#include "editors/edit/editor/tests/editorscene.h"

namespace {

constexpr char kInvalidInput[] = "Invalid input value. Use escape key to abandon changes";

void CheckLocksEnded(const TDemoIntegerEdit& edit)
{
    EXPECT_EQ(edit.ChangeEventsLockCount(), 0);
    EXPECT_EQ(edit.ClickLockCount(), 0);
    EXPECT_EQ(edit.EditingEventLockCount(), 0);
    EXPECT_EQ(edit.ModifiedStackDepth(), 0);
}

} // namespace

TEST(EditorFocus, LeavingChecksTheTextFirst)
{
    const struct {
        const wchar_t* typed;
        bool valid;
    } cases[] = {{L"55", true}, {L"abc", false}, {L"101", false}};
    for (const auto& c : cases) {
        const std::string typed(c.typed, c.typed + wcslen(c.typed));
        SCOPED_TRACE(typed);
        EditorScene s;
        DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
        s.FocusEditor();
        TypeKeys(c.typed);
        ASSERT_TRUE(Eventually([&] { return s.Text() == typed; })) << s.Text();
        TapKeyInput(VK_TAB);
        if (c.valid) {
            ASSERT_TRUE(Eventually([&] { return EditorScene::HasFocus(*s.other); })) << DescribeInputTarget();
            ASSERT_EQ(s.edit->Binding().Posts.size(), 1u);
            EXPECT_EQ(s.edit->Binding().Posts[0].ToInteger(), 55);
            EXPECT_EQ(s.exits, 1);
            EXPECT_FALSE(s.edit->ModifiedSinceFocus());
        } else {
            ASSERT_TRUE(Eventually([&] { return boxes.Count() == 1; }));
            // The refused exit does not come round again once the box has gone.
            Settle();
            EXPECT_EQ(boxes.Count(), 1);
            EXPECT_EQ(boxes.Messages(), std::vector<std::string>{kInvalidInput});
            EXPECT_TRUE(Eventually([&] { return EditorScene::HasFocus(s.edit->Inner()); })) << DescribeInputTarget();
            EXPECT_EQ(s.exits, 0);
            EXPECT_TRUE(s.edit->Binding().Posts.empty());
            EXPECT_TRUE(VarIsNull(s.edit->EditValue()));
            EXPECT_EQ(s.Text(), typed);
        }
        CheckLocksEnded(*s.edit);
    }
}

TEST(EditorFocus, TheFocusMovingBetweenTheEditorAndItsEditIsNoEnterOrExit)
{
    EditorScene s;
    s.FocusEditor();
    ASSERT_EQ(s.enters, 1);
    ::SetFocus(s.edit->Handle());
    Settle();
    EXPECT_TRUE(EditorScene::HasFocus(*s.edit) || EditorScene::HasFocus(s.edit->Inner())) << DescribeInputTarget();
    ::SetFocus(s.edit->Inner().Handle());
    Settle();
    EXPECT_EQ(s.enters, 1);
    EXPECT_EQ(s.exits, 0);
    EXPECT_TRUE(EditorScene::HasFocus(s.edit->Inner()));
}

// Each handler raises, moves the focus to the other EDIT, or frees the
// form, on the path the user takes to it.
TEST(EditorFocus, HandlersThatRaiseMoveTheFocusOrFreeTheFormLeaveNoHalfEditor)
{
    enum class TDo { Raise, MoveFocus, FreeForm };
    enum class TWhere { Validate, Change, Button };
    const struct {
        TWhere where;
        TDo action;
    } cases[] = {
        {TWhere::Validate, TDo::Raise},  {TWhere::Validate, TDo::MoveFocus}, {TWhere::Validate, TDo::FreeForm},
        {TWhere::Change, TDo::Raise},    {TWhere::Change, TDo::MoveFocus},   {TWhere::Change, TDo::FreeForm},
        {TWhere::Button, TDo::Raise},    {TWhere::Button, TDo::MoveFocus},   {TWhere::Button, TDo::FreeForm},
    };
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "where " << static_cast<int>(c.where) << " does "
                                        << static_cast<int>(c.action));
        auto s = std::make_unique<EditorScene>();
        DialogWatcher boxes([](HWND box) { DialogWatcher::Press(box, IDOK); });
        TDemoIntegerEditProperties& p = s->edit->DemoProperties();
        int calls = 0;
        const std::function<void()> act = [&, c] {
            if (++calls > 1)
                return;
            if (c.action == TDo::Raise)
                throw Exception("handler failed");
            if (c.action == TDo::MoveFocus)
                s->other->SetFocus();
            else
                s->form.reset();
        };
        switch (c.where) {
        case TWhere::Validate:
            p.OnValidate = [&](TComponent&, Variant&, std::string&, bool&) { act(); };
            break;
        case TWhere::Change:
            p.OnChange = [&](TComponent&) { act(); };
            break;
        case TWhere::Button: {
            TcxEditButton& button = p.Buttons().Add();
            button.SetKind(bkEllipsis);
            button.SetDefault(true);
            p.OnButtonClick = [&](TComponent&, int) { act(); };
            break;
        }
        }
        const TLiveness editor = s->edit->Liveness();
        s->FocusEditor();
        TypeKeys(L"5");
        if (c.where == TWhere::Button)
            TapKeyInput(VK_RETURN, VK_CONTROL);
        else if (c.where == TWhere::Validate)
            TapKeyInput(VK_TAB);
        ASSERT_TRUE(Eventually([&] { return calls > 0 && (c.action != TDo::Raise || boxes.Count() == 1); }));
        Settle();
        EXPECT_EQ(calls, 1);
        if (c.action == TDo::FreeForm) {
            EXPECT_FALSE(editor);
            continue;
        }
        ASSERT_TRUE(editor);
        EXPECT_EQ(boxes.Count(), c.action == TDo::Raise ? 1 : 0);
        if (c.action == TDo::Raise) {
            EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"handler failed"});
        }
        CheckLocksEnded(*s->edit);
    }
}
