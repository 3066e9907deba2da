// A double click in the tape selects a word: the bottom bar then shows the
// caret where the word starts, not where the first click left it.
#include "calculator/tests/calcform_fixture.h"

TEST_F(CalcFormTest, LineAndColumnFollowTheCaretAfterADoubleClick)
{
    SetTape("12+345=357\r\n中文 abc def");
    // Wine's EDIT takes a calculation without blanks as one word.
    const std::pair<int, const char*> cases[] = {{4, "行:1 列:0"}, {19, "行:2 列:5"}, {23, "行:2 列:9"}};
    HWND memo = form->Memo1->Handle();
    for (const auto& [pos, label] : cases) {
        LRESULT where = SendMessageA(memo, EM_POSFROMCHAR, TCustomEdit::UnitsFromBytes(Tape(), pos), 0);
        LPARAM at = MAKELPARAM(LOWORD(where) + 2, HIWORD(where) + 2);
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            SendMessageA(memo, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        EXPECT_EQ(form->Label1->Text(), label) << pos;
    }
}
