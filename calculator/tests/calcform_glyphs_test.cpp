// Every toolbar picture, drawn through its image list onto a known background.
#include <gtest/gtest.h>

#include <vector>

#include "calculator/calcform_glyphs.h"
#include "classlib/bitmap.h"
#include "classlib/glyphs.h"

namespace {
constexpr TColor Rgb(int r, int g, int b)
{
    return r | g << 8 | b << 16;
}
constexpr TColor kBackground = Rgb(0x12, 0x34, 0x56);
constexpr TColor kDark = Rgb(40, 40, 40), kPaper = Rgb(255, 255, 255), kBlue = Rgb(30, 90, 200),
                 kRed = Rgb(200, 30, 30), kGreen = Rgb(20, 140, 60), kYellow = Rgb(240, 200, 60);

struct Probe {
    int x, y;
    TColor color;
};
struct Case {
    const char* name;
    std::vector<Probe> probes;
};
} // namespace

TEST(CalcGlyphs, EachPictureShowsItsColoursAndLetsTheBackgroundThrough)
{
    RegisterCalcGlyphs();
    const Case cases[] = {
        {"clear", {{3, 2, kDark}, {5, 3, kPaper}, {10, 10, kRed}, {1, 1, kBackground}}},
        {"copyresult", {{2, 2, kDark}, {3, 3, kPaper}, {4, 6, kDark}, {9, 16, kPaper}, {15, 3, kBackground}}},
        {"paste", {{4, 16, Rgb(160, 110, 50)}, {8, 2, Rgb(120, 120, 120)}, {10, 8, kPaper}, {17, 2, kBackground}}},
        {"save", {{3, 10, kBlue}, {7, 5, kPaper}, {8, 15, Rgb(190, 190, 190)}, {18, 18, kBackground}}},
        {"import", {{3, 15, kYellow}, {10, 5, kGreen}, {1, 1, kBackground}}},
        {"calendar", {{3, 12, kPaper}, {10, 5, kRed}, {4, 9, kDark}, {1, 1, kBackground}}},
        // The gap in the wrench's jaw is drawn in the transparent colour.
        {"tools", {{5, 14, Rgb(90, 90, 110)}, {15, 7, Rgb(90, 90, 110)}, {15, 4, kBackground}, {1, 1, kBackground}}},
        {"home", {{10, 5, kRed}, {5, 14, Rgb(230, 210, 170)}, {10, 15, kBlue}, {1, 15, kBackground}}},
        {"sound_on", {{3, 10, kDark}, {11, 3, kGreen}, {8, 10, kGreen}, {15, 10, kBackground}}},
        {"sound_off", {{3, 10, kDark}, {15, 10, kRed}, {1, 1, kBackground}}},
        {"help", {{3, 10, kBlue}, {9, 11, kPaper}, {10, 16, kPaper}, {0, 0, kBackground}}},
        {"panel", {{2, 5, kPaper}, {15, 10, kGreen}, {6, 10, kDark}, {1, 1, kBackground}}},
        {"exit", {{3, 3, Rgb(150, 90, 40)}, {16, 10, kRed}, {15, 3, kBackground}}},
    };
    for (const auto& c : cases) {
        UniqueImageList list = MakeGlyphImages({c.name}, 20);
        TBitmap target;
        target.SetPixelFormat(TPixelFormat::pf32bit);
        target.SetSize(20, 20);
        TCanvas& canvas = target.Canvas();
        canvas.Brush().SetColor(kBackground);
        canvas.FillRect(RECT{0, 0, 20, 20});
        ImageList_Draw(list.get(), 0, canvas.Handle(), 0, 0, ILD_TRANSPARENT);
        for (const auto& p : c.probes)
            EXPECT_EQ(canvas.Pixels(p.x, p.y), p.color) << c.name << " at " << p.x << "," << p.y;
    }
}
