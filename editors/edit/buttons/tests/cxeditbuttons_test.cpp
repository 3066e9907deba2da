// Editor buttons without a window: the single default button, the glyph
// made on read, the visible count, copies inside one update, and the change
// event that carries every change to the owner.
#include "editors/edit/buttons/cxeditbuttons.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Three buttons whose change events are counted.
struct TButtonsFixture {
    TcxEditButtons buttons{nullptr, TcxEditButton::Create};
    int changes = 0;
    TButtonsFixture(int count = 3)
    {
        for (int i = 0; i < count; ++i)
            buttons.Add();
        buttons.OnChange = [this](TPersistent& sender) {
            EXPECT_EQ(&sender, &buttons);
            ++changes;
        };
    }
    std::vector<bool> Defaults() const
    {
        std::vector<bool> result;
        for (int i = 0; i < buttons.Count(); ++i)
            result.push_back(buttons.Items(i)->Default());
        return result;
    }
};

} // namespace

TEST(EditButtons, OnlyOneButtonIsTheDefault)
{
    struct Step {
        int button;
        bool value;
        std::vector<bool> defaults;
        int changes;
    } steps[] = {
        {1, true, {false, true, false}, 1},
        {1, true, {false, true, false}, 0},
        {2, true, {false, false, true}, 1},
        {0, false, {false, false, true}, 0},
        {2, false, {false, false, false}, 1},
    };
    TButtonsFixture f;
    for (const Step& s : steps) {
        f.changes = 0;
        f.buttons.Items(s.button)->SetDefault(s.value);
        EXPECT_EQ(f.Defaults(), s.defaults) << "button " << s.button << " := " << s.value;
        EXPECT_EQ(f.changes, s.changes) << "button " << s.button << " := " << s.value;
    }
}

TEST(EditButtons, EachSetterTellsOfARealChangeOnly)
{
    using TSetter = std::function<void(TcxEditButton&)>;
    struct Case {
        const char* name;
        TSetter change, same;
    } cases[] = {
        {"Caption", [](auto& b) { b.SetCaption("&Go"); }, [](auto& b) { b.SetCaption(""); }},
        {"ContentAlignment", [](auto& b) { b.SetContentAlignment(TAlignment::taLeftJustify); },
         [](auto& b) { b.SetContentAlignment(TAlignment::taCenter); }},
        {"Enabled", [](auto& b) { b.SetEnabled(false); }, [](auto& b) { b.SetEnabled(true); }},
        {"Kind", [](auto& b) { b.SetKind(bkText); }, [](auto& b) { b.SetKind(bkDown); }},
        {"LeftAlignment", [](auto& b) { b.SetLeftAlignment(true); }, [](auto& b) { b.SetLeftAlignment(false); }},
        {"Stretchable", [](auto& b) { b.SetStretchable(false); }, [](auto& b) { b.SetStretchable(true); }},
        {"Tag", [](auto& b) { b.SetTag(-7); }, [](auto& b) { b.SetTag(0); }},
        {"TextColor", [](auto& b) { b.SetTextColor(clRed); }, [](auto& b) { b.SetTextColor(clBtnText); }},
        {"Visible", [](auto& b) { b.SetVisible(false); }, [](auto& b) { b.SetVisible(true); }},
        {"Width", [](auto& b) { b.SetWidth(17); }, [](auto& b) { b.SetWidth(0); }},
    };
    for (const Case& c : cases) {
        TButtonsFixture f(1);
        c.same(*f.buttons.Items(0));
        EXPECT_EQ(f.changes, 0) << c.name;
        c.change(*f.buttons.Items(0));
        EXPECT_EQ(f.changes, 1) << c.name;
    }
}

TEST(EditButtons, CaptionsLoseTheirAcceleratorMarks)
{
    struct Case {
        const char* caption;
        const char* visible;
    } cases[] = {{"a&&b", "a&b"}, {"\xB4\xF2&\xBF\xAA", "\xB4\xF2\xBF\xAA"}};
    TButtonsFixture f(1);
    for (const Case& c : cases) {
        f.buttons.Items(0)->SetCaption(c.caption);
        EXPECT_EQ(f.buttons.Items(0)->Caption(), c.caption);
        EXPECT_EQ(f.buttons.Items(0)->VisibleCaption(), c.visible) << c.caption;
    }
}

TEST(EditButtons, NegativeWidthsAreIgnored)
{
    TButtonsFixture f(1);
    TcxEditButton& b = *f.buttons.Items(0);
    b.SetWidth(12);
    f.changes = 0;
    for (int bad : {-1, -2147483647 - 1})
        b.SetWidth(bad);
    EXPECT_EQ(b.Width(), 12);
    EXPECT_EQ(f.changes, 0);
    b.SetWidth(2147483647);
    EXPECT_EQ(b.Width(), 2147483647) << "the width stays changeable";
}

TEST(EditButtons, TheGlyphIsMadeOnReadAndFreedByAssigningNone)
{
    TButtonsFixture f(1);
    TcxEditButton& b = *f.buttons.Items(0);
    b.SetGlyph(nullptr);
    EXPECT_EQ(f.changes, 0) << "freeing no glyph changes nothing";
    EXPECT_TRUE(b.Glyph().Empty());
    EXPECT_TRUE(b.HasGlyph());
    b.Glyph().SetSize(4, 3);
    EXPECT_EQ(f.changes, 1) << "drawing on the glyph changes the button";
    b.SetGlyph(nullptr);
    EXPECT_FALSE(b.HasGlyph());
    EXPECT_EQ(f.changes, 2);

    for (int side : {1, 4000}) {
        TBitmap picture;
        picture.SetSize(side, side);
        f.changes = 0;
        b.SetGlyph(&picture);
        EXPECT_EQ(b.Glyph().Width(), side);
        EXPECT_EQ(b.Glyph().Height(), side);
        EXPECT_EQ(f.changes, 1) << side;
    }
    TBitmap empty;
    b.SetGlyph(&empty);
    EXPECT_TRUE(b.HasGlyph() && b.Glyph().Empty()) << "an empty picture is a glyph that shows nothing";
}

TEST(EditButtons, VisibleCountSkipsHiddenButtons)
{
    struct Case {
        std::vector<bool> visible;
        int count;
    } cases[] = {{{}, 0}, {{true, false, true}, 2}, {{false, false}, 0}, {{true}, 1}};
    for (const Case& c : cases) {
        TButtonsFixture f(static_cast<int>(c.visible.size()));
        for (size_t i = 0; i < c.visible.size(); ++i)
            f.buttons.Items(static_cast<int>(i))->SetVisible(c.visible[i]);
        EXPECT_EQ(f.buttons.VisibleCount(), c.count);
    }
}

TEST(EditButtons, AssignCopiesEveryValueInOneUpdate)
{
    TButtonsFixture from(2), to(2);
    TcxEditButton& s = *from.buttons.Items(1);
    s.SetCaption("&Ok");
    s.SetContentAlignment(TAlignment::taRightJustify);
    s.SetDefault(true);
    s.SetEnabled(false);
    s.Glyph().SetSize(2, 5);
    s.SetKind(bkGlyph);
    s.SetLeftAlignment(true);
    s.SetStretchable(false);
    s.SetTag(9);
    s.SetTextColor(clBlue);
    s.SetVisible(false);
    s.SetWidth(30);
    to.buttons.Items(0)->SetDefault(true);
    to.changes = 0;

    TcxEditButton& d = *to.buttons.Items(1);
    d.Assign(s);
    EXPECT_EQ(to.changes, 1);
    EXPECT_EQ(d.Caption(), "&Ok");
    EXPECT_EQ(d.VisibleCaption(), "Ok");
    EXPECT_EQ(d.ContentAlignment(), TAlignment::taRightJustify);
    EXPECT_EQ(to.Defaults(), (std::vector<bool>{false, true})) << "the copied default takes over";
    EXPECT_FALSE(d.Enabled());
    ASSERT_TRUE(d.HasGlyph());
    EXPECT_EQ(d.Glyph().Width(), 2);
    EXPECT_EQ(d.Glyph().Height(), 5);
    EXPECT_NE(&d.Glyph(), &s.Glyph());
    EXPECT_EQ(d.Kind(), bkGlyph);
    EXPECT_TRUE(d.LeftAlignment());
    EXPECT_FALSE(d.Stretchable());
    EXPECT_EQ(d.Tag(), 9);
    EXPECT_EQ(d.TextColor(), clBlue);
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Width(), 30);

    to.changes = 0;
    d.Assign(*from.buttons.Items(0));
    EXPECT_FALSE(d.HasGlyph()) << "a source without a glyph frees the copy's";
    EXPECT_EQ(to.changes, 1);
}

TEST(EditButtons, AssignFromAnUnrelatedClassRaisesAndLeavesNoUpdateOpen)
{
    TButtonsFixture f(1);
    TBitmap picture;
    EXPECT_THROW(f.buttons.Items(0)->Assign(picture), EConvertError);
    EXPECT_THROW(f.buttons.Assign(picture), EConvertError);
    EXPECT_EQ(f.buttons.UpdateCount(), 0);
    f.buttons.Items(0)->SetTag(1);
    EXPECT_EQ(f.changes, 1);
}

TEST(EditButtons, CollectionsCopyIntoOneChange)
{
    TButtonsFixture from(3), to(1);
    from.buttons.Items(2)->SetKind(bkEllipsis);
    from.buttons.Items(1)->SetDefault(true);
    to.buttons.Assign(from.buttons);
    ASSERT_EQ(to.buttons.Count(), 3);
    EXPECT_NE(dynamic_cast<TcxEditButton*>(to.buttons.Items(0)), nullptr);
    EXPECT_EQ(to.buttons.Items(2)->Kind(), bkEllipsis);
    EXPECT_EQ(to.Defaults(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(to.changes, 1);
}
