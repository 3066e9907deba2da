#include "editors/foundation/graphics/cxdrawtextutils.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/panel.h"
#include "editors/foundation/graphics/cxbitmap.h"
#include "editors/foundation/graphics/cxgraphics.h"

namespace {

constexpr TColor kSentinel = 0x123456;

// A panel of Chinese text drawn into a 32-bit bitmap.
class TextPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        bitmap.SetPixelFormat(TPixelFormat::pf32bit);
        bitmap.SetSize(200, 60);
        bitmap.Canvas().Brush().SetColor(kSentinel);
        bitmap.Canvas().FillRect(RECT{0, 0, 200, 60});
        bitmap.Canvas().Font().SetSize(12);
        dc = bitmap.Canvas().Handle();
    }
    TColor At(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    // Leftmost and rightmost x of the colour in rows top..bottom (-1 when absent).
    std::pair<int, int> Span(TColor color, int top, int bottom)
    {
        int left = -1, right = -1;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 200; ++x)
                if (At(x, y) == color) {
                    left = left < 0 ? x : std::min(left, x);
                    right = std::max(right, x);
                }
        return {left, right};
    }
    TBitmap bitmap;
    HDC dc = nullptr;
    const TColor ink_ = static_cast<TColor>(ColorToRGB(clWindowText));
};

TEST_F(TextPanel, ChineseRowsBreakJustifyEndInAnEllipsisAndHighlightFromTheLeft)
{
    // 春眠 不觉 晓处 处闻 啼鸟 夜来 风雨 声花 落知 多少 (GBK): two-character words.
    std::string text;
    for (const char* word : {"\xB4\xBA\xC3\xDF", "\xB2\xBB\xBE\xF5", "\xCF\xFE\xB4\xA6", "\xB4\xA6\xCE\xC5",
                             "\xCC\xE4\xC4\xF1", "\xD2\xB9\xC0\xB4", "\xB7\xE7\xD3\xEA", "\xC9\xF9\xBB\xA8",
                             "\xC2\xE4\xD6\xAA", "\xB6\xE0\xC9\xD9"})
        text += std::string(text.empty() ? "" : " ") + word;
    TcxTextParams params =
        cxInitTextParams(dc, cxtoWordBreak | cxtoJustify | cxtoEndEllipsis | cxtoOnlyCompleteRows);
    // Room for two whole rows.
    const RECT r{4, 4, 150, 4 + 2 * params.RowHeight + 3};
    EXPECT_EQ(params.CharSet, GB2312_CHARSET);
    TcxTextRows rows;
    cxLayoutTextRows(dc, text, r, 0, rows, params);
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        // Whole words: a row starts at one and ends with one.
        EXPECT_EQ(row.Offset % 5, 0u);
        EXPECT_EQ((row.Length + 1) % 5, 0);
        EXPECT_LE(row.Width, r.right - r.left);
    }
    cxPlaceTextRows(r, params, rows);
    const bool cutOff = rows.back().Offset + rows.back().Length < text.size();
    EXPECT_TRUE(cutOff);
    cxDrawTextRows(dc, text, r, params, cutOff, clWhite, clNavy, 0, 4, rows);

    // The highlight band holds the first two characters at the first row's left.
    auto band = Span(clNavy, rows[0].Y, rows[0].Y + params.RowHeight);
    SIZE two;
    GetTextExtentPoint32A(dc, text.data(), 4, &two);
    EXPECT_EQ(band.first, r.left);
    EXPECT_EQ(band.second, r.left + two.cx - 1);
    // Nothing is drawn outside the rectangle; the last row ends in an ellipsis near the right.
    EXPECT_EQ(Span(ink_, 0, 60).first >= r.left, true);
    auto ink = Span(ink_, rows.back().Y, std::min<int>(r.bottom, rows.back().Y + params.RowHeight));
    EXPECT_LE(ink.second, r.right - 1);
    EXPECT_GT(ink.second, r.right - params.EllipsisWidth - params.MaxCharWidth);
    // Justified: the first row reaches the right edge.
    EXPECT_GT(Span(ink_, rows[0].Y, rows[0].Y + params.RowHeight).second, r.right - params.MaxCharWidth);
    for (int y = 0; y < 60; ++y)
        EXPECT_EQ(At(r.right + 2, y), kSentinel);

    // Demonstration: the panel as a picture beside the tests.
    bitmap.SaveToFile("cxdrawtextutils_panel.bmp");
}

TEST_F(TextPanel, LongTabbedTextIsMeasuredThroughDrawText)
{
    // Each "a\t" ends on the next tab stop, so widths add up.
    std::string unit = "a\t", text;
    while (text.size() < 5000)
        text += unit;
    int one = cxTextRangeWidth(dc, unit.data(), 2, true);
    EXPECT_GT(one, cxTextRangeWidth(dc, "a", 1, false));
    EXPECT_EQ(cxTextRangeWidth(dc, text.data(), static_cast<int>(text.size()), true),
              one * static_cast<int>(text.size() / 2));
    // Up to 4096 bytes through the tab function, whose width is one word.
    EXPECT_EQ(cxTextRangeWidth(dc, text.data(), 1000, true), one * 500);
}

TEST_F(TextPanel, AChildGetsItsParentsImageUnderIt)
{
    Application.Initialize();
    auto form = std::make_unique<TForm>();
    form->SetBounds(0, 0, 300, 200);
    auto& panel = form->Adopt(std::make_unique<TPanel>());
    panel.SetColor(clMoneyGreen);
    panel.SetBounds(10, 10, 200, 100);
    panel.SetParent(form.get());
    auto& child = form->Adopt(std::make_unique<TCustomControl>());
    child.SetBounds(30, 20, 40, 30);
    child.SetParent(&panel);
    form->Show();
    TcxCanvas canvas(bitmap.Canvas());
    cxPaintParentImage(child.Handle(), canvas, RECT{0, 0, 40, 30}, false);
    EXPECT_EQ(At(0, 0), clMoneyGreen);
    EXPECT_EQ(At(39, 29), clMoneyGreen);
    // Only the panel is painted: past its right edge the bitmap keeps the sentinel.
    EXPECT_EQ(At(175, 5), kSentinel);
}

} // namespace
