#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "editors/foundation/theme/dxoffice11colors.h"

namespace {

// System colours of a test's choosing; the identity as the screen's step.
TRGB face = 0xD8E9EC, highlight = 0x6A240A, window = 0xFFFFFF, shadow = 0x99A8AC;
TRGB Resolve(TColor c)
{
    switch (c) {
    case clBtnFace: return face;
    case clHighlight: return highlight;
    case clWindow: return window;
    case clBtnShadow: return shadow;
    default: return static_cast<TRGB>(c & 0xFF) * 0x010101;
    }
}
TRGB Identity(TRGB c)
{
    return c;
}
const TdxColorSource kSource{Resolve, Identity};

TEST(Office11Colors, SchemeRowsAreTakenAsTheyStand)
{
    struct {
        int scheme, entry;
        TRGB value;
    } cases[] = {{1, 0, 0xFEECDD}, {2, 21, 0x385D3F}, {3, 48, 0xFFFFFF}, {1, 4, 0x913500}, {3, 47, 0x916F70}};
    for (const auto& c : cases)
        EXPECT_EQ(dxOffice11FillPalette(c.scheme, kSource).Entries[c.entry], c.value) << c.scheme << "/" << c.entry;
    EXPECT_EQ(dxOffice11FillPalette(2, kSource).Percentage, 125);
}

TEST(Office11Colors, AWhiteOrBlackFaceMakesEveryLightEntryTheHighlight)
{
    for (TRGB f : {TRGB{0xFFFFFF}, TRGB{0}}) {
        face = f;
        auto p = dxOffice11FillPalette(0, kSource);
        for (int e : {6, 7, 8, 9, 20, 24, 25, 27, 28})
            EXPECT_EQ(p.Entries[e], highlight) << e;
    }
    face = 0xD8E9EC;
    EXPECT_NE(dxOffice11FillPalette(0, kSource).Entries[6], highlight);
}

TEST(Office11Colors, FormulasMixTheSystemColoursAndFollowNamedEntries)
{
    auto p = dxOffice11FillPalette(0, kSource);
    EXPECT_EQ(p.Entries[2], face);
    EXPECT_EQ(p.Entries[0], dxMixRGB(face, window, 22));
    EXPECT_EQ(p.Entries[17], p.Entries[1]);
    EXPECT_EQ(p.Entries[45], p.Entries[28]);
    EXPECT_EQ(p.Entries[15], 0xFFFFFFu);
    EXPECT_EQ(p.MixedBorder, p.TintB[0]);
    EXPECT_EQ(p.Percentage, 75);
    // 0xEC * 127 / 255 + 128 = 245; (0xEC + 4 - 0xEC * 4 / 255) % 256 = 237.
    EXPECT_EQ(dxCaptionTone(0x0000EC, true) & 0xFF, 245u);
    EXPECT_EQ(dxCaptionTone(0x0000EC, false) & 0xFF, 237u);
    EXPECT_EQ(dxCaptionTone(0x0000FF, false) & 0xFF, 255u);
}

TEST(Office11Colors, MixKeepsEveryChannelInsideTheByteRange)
{
    EXPECT_EQ(dxMixRGB(0xFFFFFF, 0x000000, 150), 0xFFFFFFu);
    EXPECT_EQ(dxMixRGB(0xFFFFFF, 0x000000, -50), 0x000000u);
    EXPECT_EQ(dxMixRGB(0x0000FF, 0x000000, 50), 0x000080u);
    EXPECT_EQ(dxLightRGB(0x808080, 0, 0, -100, 0, 0), 0u);
}

TEST(Office11Colors, TheSubmenuArrowOfOneRedValueTakesTheFarColourInsteadOfDividingByZero)
{
    std::vector<TRGB> pixels = {0xFF00FF, 0x404040, 0x404040, 0x000000, 0xFF00FF};
    dxRecolorSubmenuExpand(pixels, 0x00FF00, 0x0000FF, Identity);
    EXPECT_EQ(pixels, (std::vector<TRGB>{0xFF00FF, 0x0000FF, 0x0000FF, 0x000000, 0xFF00FF}));
    std::vector<TRGB> spread = {0xFF00FF, 0x000010, 0x000090};
    dxRecolorSubmenuExpand(spread, 0x00FF00, 0x00FF00, Identity);
    EXPECT_EQ(spread[1], 0x000000u) << "equal entries mix towards black";
    EXPECT_EQ(spread[2], 0x00FF00u);
}

TEST(Office11Colors, GradientBandsCoverTheExtent)
{
    struct {
        int extent;
        std::size_t bands;
        std::set<int> widths;
    } cases[] = {{1, 1, {1}}, {600, 256, {2, 3}}, {256, 256, {1}}, {0, 0, {}}, {-4, 0, {}}};
    for (const auto& c : cases) {
        auto bands = dxGradientBands(10, c.extent, 0x000000, 0xFFFFFF);
        ASSERT_EQ(bands.size(), c.bands) << c.extent;
        std::set<int> widths;
        for (const auto& b : bands)
            widths.insert(b.To - b.From);
        EXPECT_EQ(widths, c.widths);
        if (!bands.empty()) {
            EXPECT_EQ(bands.front().Color, 0u);
            EXPECT_EQ(bands.back().To, 10 + c.extent);
        }
    }
    EXPECT_EQ(dxGradientBands(0, 600, 0, 0xFFFFFF).back().Color, 0xFFFFFFu);
}

TEST(Office11Colors, DotSquaresAndTheSizeGripStaircase)
{
    struct {
        int width;
        std::vector<int> lefts;
    } cases[] = {{12, {1, 5, 9}}, {13, {2, 6, 10}}, {14, {2, 6, 10}}, {15, {2, 6, 10}}, {3, {}}};
    for (const auto& c : cases) {
        std::vector<int> lefts;
        for (const TRect& s : dxDotSquares(TRect{0, 0, c.width, 4}, false))
            lefts.push_back(s.left);
        EXPECT_EQ(lefts, c.lefts) << c.width;
    }
    std::vector<std::size_t> staircase;
    for (const TRect& strip : dxSizeGripStrips(TRect{0, 0, 20, 20}))
        staircase.push_back(dxDotSquares(strip, false).size());
    EXPECT_EQ(staircase, (std::vector<std::size_t>{3, 2, 1}));
}

TEST(Office11Colors, SchemeFollowsTheColourNameOnTheStandardStyleOrALaterSystem)
{
    struct {
        const char16_t* file;
        const char16_t* color;
        int major, scheme;
    } cases[] = {{u"C:\\x\\luna.msstyles", u"homestead", 5, 2}, {u"light.msstyles", u"NormalColor", 5, 0},
                 {u"light.msstyles", u"Metallic", 6, 3}, {u"light.msstyles", u"Blue", 6, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(dxOffice11SchemeOf(c.file, c.color, c.major), c.scheme);
}

} // namespace
