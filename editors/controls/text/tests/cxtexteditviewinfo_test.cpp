// The text editor's view computed from real text properties and an edit
// style in each look, then painted into bitmaps: what the text shows, where
// it goes, rows that do not fit, the hint, and the focus rectangle.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editors/controls/text/cxtexteditproperties.h"
#include "editors/controls/text/cxtexteditviewdata.h"
#include "editors/controls/text/cxtexteditviewinfo.h"
#include "editors/edit/styles/cxeditstyle.h"
#include "editors/edit/viewinfo/tests/editpaintscene.h"

namespace {

struct Look {
    const char* name;
    TcxLookAndFeelKind kind;
    bool native;
};
const Look kLooks[] = {
    {"flat", lfFlat, false},         {"standard", lfStandard, false}, {"ultra flat", lfUltraFlat, false},
    {"office 11", lfOffice11, false}, {"native", lfStandard, true},
};

// Text properties and a normal style in a look, and a view computed for them.
class TextView {
public:
    explicit TextView(const Look& look) : style_(TcxEditStyle::Create(nullptr, cssNormal, nullptr, false))
    {
        style_->LookAndFeel().SetKind(look.kind);
        style_->LookAndFeel().SetNativeStyle(look.native);
    }
    TcxTextEditProperties& Properties() { return properties_; }

    // The text computed for a view of the size and painted into a fresh shot.
    TShot& Paint(const std::string& text, int width = 120, int height = 22, bool focused = false)
    {
        data_ = properties_.NewViewData(static_cast<TcxCustomEditStyle*>(style_.get()), false);
        auto& data = static_cast<TcxCustomTextEditViewData&>(*data_);
        data.EditText = text;
        data.ViewState.Focused = focused;
        view = properties_.ViewInfoClassOf()();
        shot_ = std::make_unique<TShot>(width, height);
        data.Compute(shot_->canvas, TRect{0, 0, width, height}, POINT{-1, -1}, -1, 0, *view);
        view->Paint(shot_->canvas);
        return *shot_;
    }
    TcxCustomTextEditViewInfo& View() { return static_cast<TcxCustomTextEditViewInfo&>(*view); }
    // The box of what the text drew inside its rectangle.
    TRect TextBox()
    {
        const TColor background = Sys(View().BackgroundColor);
        return shot_->BoxWhere(View().TextRect, [background](TColor c) { return c != background; });
    }

    std::unique_ptr<TcxCustomEditViewInfo> view;

private:
    TcxTextEditProperties properties_{nullptr};
    std::unique_ptr<TcxContainerStyle> style_;
    std::unique_ptr<TcxCustomEditViewData> data_;
    std::unique_ptr<TShot> shot_;
};

bool SamePixels(const TShot& a, const TShot& b, const TRect& r)
{
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}

TEST(TextEditViewPaint, EchoAndCaseShowTheTextAsThePropertiesSay)
{
    struct Row {
        const char* why;
        TcxEditEchoMode echo;
        char passwordChar;
        TEditCharCase charCase;
        std::string text, looksLike;
    };
    const Row rows[] = {
        {"a password shows a star a byte", eemPassword, '\0', TEditCharCase::ecNormal, "abc", "***"},
        {"a password character of its own", eemPassword, '#', TEditCharCase::ecNormal, "上a", "###"},
        {"upper case", eemNormal, '\0', TEditCharCase::ecUpperCase, "abc", "ABC"},
        {"lower case", eemNormal, '\0', TEditCharCase::ecLowerCase, "AbC", "abc"},
    };
    for (const Look& look : kLooks)
        for (const auto& r : rows) {
            TextView shown(look), plain(look);
            shown.Properties().SetEchoMode(r.echo);
            shown.Properties().SetPasswordChar(r.passwordChar);
            shown.Properties().SetCharCase(r.charCase);
            TShot& a = shown.Paint(r.text);
            TShot& b = plain.Paint(r.looksLike);
            const TRect all{0, 0, 120, 22};
            EXPECT_EQ(shown.View().Text, r.looksLike) << look.name << ": " << r.why;
            EXPECT_TRUE(SamePixels(a, b, all)) << look.name << ": " << r.why;
            TextView raw(look);
            EXPECT_FALSE(SamePixels(raw.Paint(r.text), b, all)) << look.name << ": " << r.why << ", told apart";
        }
}

TEST(TextEditViewPaint, AlignmentPlacesTheText)
{
    for (const Look& look : kLooks) {
        TextView left(look), right(look), centre(look);
        right.Properties().Alignment().SetHorz(TAlignment::taRightJustify);
        centre.Properties().Alignment().SetHorz(TAlignment::taCenter);
        left.Paint("abc");
        right.Paint("abc");
        centre.Paint("abc");
        const TRect l = left.TextBox(), r = right.TextBox(), c = centre.TextBox();
        ASSERT_FALSE(cxRectIsEmpty(l)) << look.name;
        const TRect area = left.View().TextRect;
        EXPECT_LE(l.left - area.left, 2) << look.name;
        EXPECT_LE(area.right - r.right, 2) << look.name;
        EXPECT_EQ(r.right - r.left, l.right - l.left) << look.name;
        EXPECT_GT(c.left, l.left + 10) << look.name;
        EXPECT_LT(c.right, r.right - 10) << look.name;
    }
}

TEST(TextEditViewPaint, RowsThatDoNotFitStartAtTheTopAndAskForAHint)
{
    const std::string longText = "aaaa bbbb cccc dddd eeee ffff gggg hhhh";
    for (const Look& look : kLooks) {
        TextView view(look);
        view.Properties().Alignment().SetVert(taVCenter);
        TextView oneRow(look);
        oneRow.Properties().Alignment().SetVert(taVCenter);
        oneRow.Paint("aaaa", 60, 40);
        const int lineHeight = oneRow.TextBox().bottom - oneRow.TextBox().top;
        ASSERT_GT(lineHeight, 0) << look.name;
        // Two rows high, and far too narrow for the text.
        view.Paint(longText, 60, 40);
        TcxCustomTextEditViewInfo& vi = view.View();
        ASSERT_TRUE(vi.RowsValid) << look.name;
        EXPECT_GT(vi.TextRows.Rows.size(), 1u) << look.name;
        EXPECT_TRUE(vi.TextRows.Cut) << look.name;
        const TRect box = view.TextBox();
        EXPECT_LE(box.top - vi.TextRect.top, 3) << look.name << ": the rows start at the top";
        EXPECT_GT(oneRow.TextBox().top - oneRow.View().TextRect.top, box.top - vi.TextRect.top)
            << look.name << ": a row that fits stays centred";

        std::string hint;
        TRect hintRect{};
        TShot shot(60, 40);
        const POINT inside{(vi.TextRect.left + vi.TextRect.right) / 2, (vi.TextRect.top + vi.TextRect.bottom) / 2};
        ASSERT_TRUE(vi.NeedsHint(shot.canvas, inside, POINT{100, 200}, hint, hintRect)) << look.name;
        EXPECT_EQ(hint, longText) << look.name;
        EXPECT_EQ(hintRect.left, vi.TextRect.left + 100) << look.name;
        EXPECT_EQ(hintRect.top, vi.TextRect.top + 200) << look.name;
        EXPECT_FALSE(vi.NeedsHint(shot.canvas, POINT{-5, -5}, POINT{}, hint, hintRect)) << look.name;
        EXPECT_FALSE(oneRow.View().NeedsHint(shot.canvas, inside, POINT{}, hint, hintRect))
            << look.name << ": a text that fits";
    }
}

TEST(TextEditViewPaint, AFocusRectangleOnlyWhenFocused)
{
    for (const Look& look : kLooks) {
        TextView focused(look), unfocused(look), empty(look);
        TShot& f = focused.Paint("abc", 120, 22, true);
        TShot& u = unfocused.Paint("abc", 120, 22, false);
        const TRect ring = cxRectInflated(focused.View().ContentRect, -1, -1);
        const TColor background = Sys(focused.View().BackgroundColor);
        // The dotted frame's top edge, away from the text.
        int dotted = 0, plain = 0;
        for (int x = ring.right - 20; x < ring.right; ++x) {
            dotted += f.At(x, ring.top) != background;
            plain += u.At(x, ring.top) != background;
        }
        EXPECT_GT(dotted, 5) << look.name;
        EXPECT_EQ(plain, 0) << look.name;
        TShot& e = empty.Paint("", 120, 22, false);
        EXPECT_FALSE(SamePixels(e, u, TRect{0, 0, 120, 22})) << look.name << ": the text was drawn";
        EXPECT_TRUE(cxRectIsEmpty(empty.TextBox())) << look.name << ": an empty text draws nothing";
    }
}

} // namespace
