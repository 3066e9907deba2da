#include "editors/foundation/painters/cxpainterresources.h"

#include <windows.h>

#include <array>
#include <memory>

#include "classlib/handles.h"
#include "editors/foundation/painters/cxextendedstylepainters.h"
#include "editors/foundation/painters/cxlookandfeelpainters.h"
#include "editors/foundation/painters/cxradiobuttonimages.h"

namespace {

// The system check-box bitmap: 4 columns by 3 rows of cells.
constexpr WORD kObmCheckBoxes = 32759;
constexpr int kPatternSize = 8;

const char* const kIndicatorNames[] = {"CX_ARROWBITMAP", "CX_EDITBITMAP", "CX_INSERTBITMAP",
                                       "CX_MULTIDOTBITMAP", "CX_MULTIARROWBITMAP", "CX_FILTERBITMAP"};

struct TResources {
    UniqueImageList Indicators;
    std::array<TBitmap, 2> Patterns;
    TSize CheckBoxSize{0, 0};
};
std::unique_ptr<TResources> resources;

UniqueImageList LoadIndicatorImages()
{
    UniqueImageList list;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const char* name : kIndicatorNames) {
        UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageA(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (!bitmap)
            continue;
        if (!list) {
            BITMAP info{};
            GetObjectA(bitmap.get(), sizeof(info), &info);
            list.reset(ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 6, 0));
        }
        ImageList_AddMasked(list.get(), bitmap.get(), RGB(255, 255, 255));
    }
    return list;
}

void DrawPattern(TBitmap& pattern, TColor odd, TColor even)
{
    pattern.SetPixelFormat(TPixelFormat::pf32bit);
    pattern.SetSize(kPatternSize, kPatternSize);
    for (int y = 0; y < kPatternSize; ++y)
        for (int x = 0; x < kPatternSize; ++x)
            pattern.Canvas().SetPixels(x, y, (x + y) % 2 ? odd : even);
}

TSize MeasureCheckBoxSize()
{
    UniqueBitmap boxes(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kObmCheckBoxes)));
    BITMAP info{};
    if (!boxes || !GetObjectA(boxes.get(), sizeof(info), &info))
        return cxMakeSize(0, 0);
    return cxMakeSize(info.bmWidth / 4, info.bmHeight / 3);
}

} // namespace

const TBitmap& cxScrollBarPattern(bool pressed)
{
    return resources->Patterns[pressed];
}

void cxRedrawScrollBarPatterns()
{
    DrawPattern(resources->Patterns[0], clBtnHighlight, clBtnFace);
    DrawPattern(resources->Patterns[1], cl3DDkShadow, clBlack);
}

TSize cxCheckBoxSize()
{
    return resources ? resources->CheckBoxSize : MeasureCheckBoxSize();
}

int cxIndicatorImageCount()
{
    return resources && resources->Indicators ? ImageList_GetImageCount(resources->Indicators.get()) : 0;
}

void cxDrawIndicatorImage(TcxCanvas& canvas, const TRect& r, int index)
{
    if (index < 0 || index >= cxIndicatorImageCount())
        return;
    int w = 0, h = 0;
    ImageList_GetIconSize(resources->Indicators.get(), &w, &h);
    const TRect at = cxRectCenteredWH(r, w, h);
    ImageList_Draw(resources->Indicators.get(), index, canvas.Handle(), at.left, at.top, ILD_TRANSPARENT);
}

void cxLookAndFeelPaintersInitialize()
{
    resources = std::make_unique<TResources>();
    cxExtendedStylePaintersCreate();
    resources->Indicators = LoadIndicatorImages();
    cxRedrawScrollBarPatterns();
    resources->CheckBoxSize = MeasureCheckBoxSize();
}

void cxLookAndFeelPaintersFinalize()
{
    cxRadioButtonImageListFree();
    cxExtendedStylePaintersFree();
    resources.reset();
}
