#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editors/foundation/theme/dxthemecache.h"

namespace {

// A stand-in for the theme library: names it knows open (ASCII case-blind),
// each open gives a new handle, and every call is recorded.
struct TFakeLibrary {
    std::vector<std::u16string> opened;
    std::vector<TdxTheme> closed;
    TdxTheme next = 100;
    bool refuse = false;
};
TFakeLibrary fake;

std::u16string Upper(std::u16string s)
{
    for (auto& c : s)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - 32);
    return s;
}

const TdxThemeCalls kFakeCalls{
    [](const std::u16string& name) -> TdxTheme {
        fake.opened.push_back(name);
        return fake.refuse ? 0 : ++fake.next;
    },
    [](TdxTheme theme) -> long {
        fake.closed.push_back(theme);
        return 0;
    },
    [](const std::u16string& a, const std::u16string& b) { return Upper(a) == Upper(b); },
};

class ThemeCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake = TFakeLibrary{};
        cache.SetLibraryPresent(true);
        cache.SetVisualStylesOn(true);
    }
    TdxThemeCache cache{kFakeCalls};
};

TEST_F(ThemeCache, ANameDifferingOnlyInLetterCaseKeepsTheHandle)
{
    TdxTheme h = cache.OpenTheme(5, u"Header");
    EXPECT_EQ(cache.OpenTheme(5, u"HEADER"), h);
    EXPECT_EQ(cache.OpenTheme(5), h);
    EXPECT_EQ(fake.opened.size(), 1u);
    TdxTheme other = cache.OpenTheme(5, u"ListView");
    EXPECT_NE(other, h);
    EXPECT_EQ(fake.closed, std::vector<TdxTheme>{h});
}

TEST_F(ThemeCache, AfterReleasingAllEachClassReopensUnderItsLastName)
{
    cache.OpenTheme(3, u"Explorer::Edit");
    cache.OpenTheme(0);
    cache.ReleaseAllThemes();
    EXPECT_EQ(cache.Handle(3), 0u);
    EXPECT_EQ(fake.closed.size(), 2u);
    EXPECT_NE(cache.OpenTheme(3), 0u);
    EXPECT_EQ(fake.opened.back(), u"Explorer::Edit");
    EXPECT_EQ(cache.ReleaseTheme(3), 0);
    EXPECT_EQ(cache.Name(3), u"");
}

TEST_F(ThemeCache, AFailedOpenForgetsTheNameSoTheDefaultIsTriedNext)
{
    fake.refuse = true;
    EXPECT_EQ(cache.OpenTheme(7, u"Odd"), 0u);
    EXPECT_EQ(cache.Name(7), u"");
    fake.refuse = false;
    EXPECT_NE(cache.OpenTheme(7), 0u);
    EXPECT_EQ(fake.opened.back(), u"ListView");
}

TEST_F(ThemeCache, NothingOpensWithoutStylesTheLibraryOrAValidClass)
{
    struct {
        bool library, styles;
        int index;
    } cases[] = {{true, false, 0}, {false, true, 0}, {true, true, -1}, {true, true, 25}};
    for (const auto& c : cases) {
        cache.SetLibraryPresent(c.library);
        cache.SetVisualStylesOn(c.styles);
        EXPECT_EQ(cache.OpenTheme(c.index), 0u) << c.index;
        EXPECT_EQ(cache.ReleaseTheme(c.index), 0);
        EXPECT_FALSE(cache.ThemeClassUsable(c.index));
        EXPECT_EQ(cache.ThemesUsable(), c.library && c.styles);
    }
    EXPECT_TRUE(fake.opened.empty());
}

TEST_F(ThemeCache, ThemesUsableNeedsEveryClassOfTheSetToOpen)
{
    EXPECT_TRUE(cache.ThemesUsable((1u << 0) | (1u << 24)));
    fake.refuse = true;
    EXPECT_TRUE(cache.ThemesUsable(1u << 0)) << "an open class needs no new call";
    EXPECT_FALSE(cache.ThemesUsable((1u << 0) | (1u << 2)));
}

TEST_F(ThemeCache, AnOpenClassIsAnsweredWithoutCallingTheLibrary)
{
    cache.OpenTheme(12);
    for (int i = 0; i < 10000; ++i)
        cache.OpenTheme(12);
    EXPECT_EQ(fake.opened.size(), 1u);
}

} // namespace
