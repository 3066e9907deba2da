// Painting the editor through its view information: a custom-draw handler
// that frees the editor's form ends the paint without touching what went.
#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/tests/freedmemory.h"
#include "editors/edit/editor/tests/editorscene.h"

TEST(EditorPaint, ADrawHandlerThatFreesTheFormEndsThePaint)
{
    enum class THandler { Background, Button, ButtonBorder, ButtonBackground };
    const struct {
        const char* name;
        THandler handler;
        bool inPlace;
    } cases[] = {
        // The background handler is the in-place editor's.
        {"background", THandler::Background, true},
        {"button", THandler::Button, false},
        {"button border", THandler::ButtonBorder, false},
        {"button background", THandler::ButtonBackground, false},
    };
    TFreedMemoryTrap trap;
    ASSERT_TRUE(TFreedMemoryTrap::Armed());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EditorScene s(c.inPlace);
        s.edit->DemoProperties().Buttons().Add().SetKind(bkEllipsis);
        s.edit->Styles().StyleNormal().LookAndFeel().SetNativeStyle(false);
        Settle();
        int calls = 0;
        auto freeForm = [&] {
            ++calls;
            s.form.reset();
            return false;
        };
        TcxCustomEditViewInfo& vi = s.edit->ViewInfo();
        switch (c.handler) {
        case THandler::Background:
            vi.BackgroundDrawHandler = [&](TcxCustomEditViewInfo&, TcxCanvas&) { return freeForm(); };
            break;
        case THandler::Button:
            vi.ButtonDrawHandler = [&](TcxCustomEditViewInfo&, TcxCanvas&, int) { return freeForm(); };
            break;
        case THandler::ButtonBorder:
            vi.ButtonBorderDrawHandler = [&](TcxCustomEditViewInfo&, TcxCanvas&, int, const TRect&) {
                return freeForm();
            };
            break;
        case THandler::ButtonBackground:
            vi.ButtonBackgroundDrawHandler = [&](TcxCustomEditViewInfo&, TcxCanvas&, int, const TRect&) {
                return freeForm();
            };
            break;
        }
        const HWND window = s.edit->Handle();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(calls, 1);
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST(EditorPaint, TheButtonsPaintWhereTheViewInformationLaysThemOut)
{
    EditorScene s;
    s.edit->DemoProperties().Buttons().Add().SetKind(bkEllipsis);
    Settle();
    const TcxCustomEditViewInfo& vi = s.edit->ViewInfo();
    ASSERT_EQ(vi.ButtonCount(), 1);
    const TRect& button = vi.Button(0).Bounds;
    // The button lies right of the EDIT, inside the editor's border.
    EXPECT_GE(button.left, s.edit->Inner().Left() + s.edit->Inner().Width());
    EXPECT_LE(button.right, vi.InnerRect.right);
    EXPECT_EQ(vi.ContentRect.right, button.left);
    EXPECT_EQ(s.edit->Inner().Left(), vi.ContentRect.left);
    EXPECT_EQ(s.edit->Inner().Width(), vi.ContentRect.right - vi.ContentRect.left);
}
