#include "windows/calchelp.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "classlib/showmodal.h"
#include "windows/tests/windows_fixture.h"

namespace {

class CalcHelp : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        MainStandIn();
        if (!f_calchelp)
            f_calchelp = &Application.CreateForm<Tf_calchelp>();
    }
};

// Every line whole and in order, trailing blanks kept: the memo must not
// wrap, trim or re-code them.
TEST_F(CalcHelp, MemoShowsTheHelpLinesByteForByte)
{
    // Read back line by line from the control itself.
    HWND memo = f_calchelp->Memo1->Handle();
    int count = static_cast<int>(SendMessageA(memo, EM_GETLINECOUNT, 0, 0));
    ASSERT_EQ(count, static_cast<int>(kCalcHelpLines.size()));
    std::string text = f_calchelp->Memo1->Text();
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), kCalcHelpLines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], kCalcHelpLines[i]) << "line " << i + 1;
}

TEST_F(CalcHelp, TextIsGbk)
{
    // 示例： in code page 936.
    EXPECT_EQ(f_calchelp->Memo1->Text().substr(0, 6), "\xCA\xBE\xC0\xFD\xA3\xBA");
}

TEST_F(CalcHelp, ReadOnlyWhiteOnTealWithAVerticalScrollBar)
{
    HWND memo = f_calchelp->Memo1->Handle();
    LONG style = GetWindowLongA(memo, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_EQ(f_calchelp->Text(), "Help");
    // The colours the memo answers when it paints (read-only edits ask as statics).
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageA(f_calchelp->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(memo));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 128, 128));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    DeleteDC(dc);
    RECT client, memoRect;
    GetClientRect(f_calchelp->Handle(), &client);
    GetClientRect(memo, &memoRect);
    EXPECT_GT(memoRect.bottom, client.bottom - 10) << "the memo fills the window";
}

} // namespace

namespace {
// Esc as the keyboard sends it to the memo, from inside the modal loop; the
// window is ended after a few seconds if it does not close.
void CALLBACK PressEscOnTheMemo(HWND, UINT, UINT_PTR id, DWORD)
{
    static int ticks = 0;
    if (++ticks == 1) {
        HWND memo = f_calchelp->Memo1->Handle();
        PostMessageA(memo, WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageA(memo, WM_KEYUP, VK_ESCAPE, 1 | (1u << 30) | (1u << 31));
    } else if (ticks > 60) {
        KillTimer(nullptr, id);
        f_calchelp->SetModalResult(mrAbort);
    }
}
} // namespace

// The read-only memo leaves Esc to the window, which it closes.
TEST_F(CalcHelp, EscInTheMemoClosesTheWindow)
{
    UINT_PTR timer = SetTimer(nullptr, 0, 50, PressEscOnTheMemo);
    EXPECT_EQ(ShowModal(*f_calchelp), mrCancel);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(f_calchelp->Visible());
}
