#include "windows/calchelp.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "classlib/application.h"
#include "windows/tests/windows_fixture.h"

namespace {

// The help text as the window must show it, written out independently.
const char* const kExpectedLines[] = {
    "示例：",
    "  20+30*(2.3+3.8)/15+50=82.2",
    "  30+45/(2+3)+40*sin(60)+2^3=81.64",
    "",
    "1、用法：",
    "输入数学表达式后，输入'='或 按 Enter 系统自动计算结果；",
    "表达式可以是加（+）、减（-）、乘（*）、除（/）、括号（()），以及系统支持的数学",
    "函数的任意组合。",
    "2、系统支持的数学函数：",
    "PI ! ^ % SQR SQRT INT/TRUNC ROUND ABS FRAC SIN COS TAN ARCSIN ",
    "ARCCOS ",
    "ARCTAN LN LOG2 ",
    "LOG10",
    "PI：圆周率。",
    "Exp！：计算Exp（表达式）的介乘。",
    "Exp1^Exp2：计算Exp1的Exp2次方。",
    "Exp1%Exp2：计算Exp1除以Exp2后的余数。",
    "Sqr(Exp)：计算Exp的平方。",
    "Sqrt(Exp)：计算Exp的平方根。",
    "Int(Exp)/Trunc(Exp)：把Exp截断取整。",
    "Round(Exp)：把Exp四舍五入。",
    "Abs(Exp)：取Exp的绝对值。",
    "Frac(Exp)：取Exp的小数部分。",
    "Sin(Exp)：求Exp的正玄，输入的数为角度数。",
    "Cos(Exp)：求Exp的余玄，输入的数为角度数。",
    "Tan(Exp)：求Exp的正切，输入的数为角度数。",
    "ArcSin(Exp)：求Exp的反正玄,输出的数为角度数。",
    "ArcCos(Exp)：求Exp的反余玄,输出的数为角度数。",
    "ArcTan(Exp)：求Exp的反正切,输出的数为角度数。",
    "Ln(Exp)：求Exp的自然对数。",
    "Log2(Exp)：求Exp的以2为低的对数。",
    "Log10(Exp)：求Exp的以10为低的对数。",
};

class CalcHelp : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        MainStandIn();
        if (!f_calchelp)
            f_calchelp = &Application.CreateForm<Tf_calchelp>();
    }
};

TEST_F(CalcHelp, MemoShowsTheHelpLinesByteForByte)
{
    // Read back line by line from the control itself.
    HWND memo = f_calchelp->Memo1->Handle();
    int count = static_cast<int>(SendMessageA(memo, EM_GETLINECOUNT, 0, 0));
    ASSERT_EQ(count, 32);
    std::string text = f_calchelp->Memo1->Text();
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), std::size(kExpectedLines));
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], kExpectedLines[i]) << "line " << i + 1;
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
