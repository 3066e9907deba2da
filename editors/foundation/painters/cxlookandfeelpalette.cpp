#include "editors/foundation/painters/cxlookandfeelpainters.h"

// The painter's palette block: base values and reading an entry by number.

using P = TcxCustomLookAndFeelPainter;

namespace {

struct TPaletteEntry {
    TColor Color;
    int SameAs;
};

// The base palette block; an entry with SameAs reads that entry through its operation.
constexpr TPaletteEntry kBasePalette[55] = {
    {clBtnShadow, 0}, {clBtnHighlight, 0}, {clBtnText, 0}, {clBtnFace, 0}, {clBtnText, 0}, {clBtnShadow, 0},
    {clBtnShadow, 0}, {clBtnFace, 0}, {clBtnFace, 0}, {clBtnText, 0}, {clBtnShadow, 0}, {clBtnFace, 0},
    {clBtnFace, 0}, {clBtnText, 0}, {0xFF0000, 0}, {clBtnFace, 0}, {clBtnText, 0}, {0xFF0000, 0},
    {0, 6}, {clBtnFace, 0}, {0, 13}, {clNone, 0}, {0x000000, 0}, {0, 23},
    {clBtnFace, 0}, {clHighlight, 0}, {clHighlightText, 0}, {clWindow, 0}, {clWindowText, 0}, {0x9D9DA1, 0},
    {clBtnFace, 0}, {clBtnFace, 0}, {0xD5FFFF, 0}, {clWindowText, 0}, {clHighlight, 0}, {clHighlightText, 0},
    {clBtnFace, 0}, {clBtnFace, 0}, {clBtnText, 0}, {clBtnFace, 0}, {0xFFFFFF, 0}, {0x000000, 0},
    {clBtnFace, 0}, {clBtnText, 0}, {0xFFFFFF, 0}, {0x000000, 0}, {0x000000, 0}, {0x000000, 0},
    {0xCFCFCF, 0}, {0xFFFFFF, 0}, {clBtnShadow, 0}, {0xF0CAA6, 0}, {0x800000, 0}, {clBtnShadow, 0},
    {clBtnShadow, 0},
};

TColor BasePaletteColor(const P& painter, int entry)
{
    const TPaletteEntry& e = kBasePalette[entry - 1];
    return e.SameAs ? painter.PaletteColor(e.SameAs) : e.Color;
}

} // namespace

TColor P::PaletteColor01() const { return BasePaletteColor(*this, 1); }
TColor P::PaletteColor02() const { return BasePaletteColor(*this, 2); }
TColor P::PaletteColor03() const { return BasePaletteColor(*this, 3); }
TColor P::PaletteColor04() const { return BasePaletteColor(*this, 4); }
TColor P::PaletteColor05() const { return BasePaletteColor(*this, 5); }
TColor P::PaletteColor06() const { return BasePaletteColor(*this, 6); }
TColor P::PaletteColor07() const { return BasePaletteColor(*this, 7); }
TColor P::PaletteColor08() const { return BasePaletteColor(*this, 8); }
TColor P::PaletteColor09() const { return BasePaletteColor(*this, 9); }
TColor P::PaletteColor10() const { return BasePaletteColor(*this, 10); }
TColor P::PaletteColor11() const { return BasePaletteColor(*this, 11); }
TColor P::PaletteColor12() const { return BasePaletteColor(*this, 12); }
TColor P::PaletteColor13() const { return BasePaletteColor(*this, 13); }
TColor P::PaletteColor14() const { return BasePaletteColor(*this, 14); }
TColor P::PaletteColor15() const { return BasePaletteColor(*this, 15); }
TColor P::PaletteColor16() const { return BasePaletteColor(*this, 16); }
TColor P::PaletteColor17() const { return BasePaletteColor(*this, 17); }
TColor P::PaletteColor18() const { return BasePaletteColor(*this, 18); }
TColor P::PaletteColor19() const { return BasePaletteColor(*this, 19); }
TColor P::PaletteColor20() const { return BasePaletteColor(*this, 20); }
TColor P::PaletteColor21() const { return BasePaletteColor(*this, 21); }
TColor P::PaletteColor22() const { return BasePaletteColor(*this, 22); }
TColor P::PaletteColor23() const { return BasePaletteColor(*this, 23); }
TColor P::PaletteColor24() const { return BasePaletteColor(*this, 24); }
TColor P::PaletteColor25() const { return BasePaletteColor(*this, 25); }
TColor P::PaletteColor26() const { return BasePaletteColor(*this, 26); }
TColor P::PaletteColor27() const { return BasePaletteColor(*this, 27); }
TColor P::PaletteColor28() const { return BasePaletteColor(*this, 28); }
TColor P::PaletteColor29() const { return BasePaletteColor(*this, 29); }
TColor P::PaletteColor30() const { return BasePaletteColor(*this, 30); }
TColor P::PaletteColor31() const { return BasePaletteColor(*this, 31); }
TColor P::PaletteColor32() const { return BasePaletteColor(*this, 32); }
TColor P::PaletteColor33() const { return BasePaletteColor(*this, 33); }
TColor P::PaletteColor34() const { return BasePaletteColor(*this, 34); }
TColor P::PaletteColor35() const { return BasePaletteColor(*this, 35); }
TColor P::PaletteColor36() const { return BasePaletteColor(*this, 36); }
TColor P::PaletteColor37() const { return BasePaletteColor(*this, 37); }
TColor P::PaletteColor38() const { return BasePaletteColor(*this, 38); }
TColor P::PaletteColor39() const { return BasePaletteColor(*this, 39); }
TColor P::PaletteColor40() const { return BasePaletteColor(*this, 40); }
TColor P::PaletteColor41() const { return BasePaletteColor(*this, 41); }
TColor P::PaletteColor42() const { return BasePaletteColor(*this, 42); }
TColor P::PaletteColor43() const { return BasePaletteColor(*this, 43); }
TColor P::PaletteColor44() const { return BasePaletteColor(*this, 44); }
TColor P::PaletteColor45() const { return BasePaletteColor(*this, 45); }
TColor P::PaletteColor46() const { return BasePaletteColor(*this, 46); }
TColor P::PaletteColor47() const { return BasePaletteColor(*this, 47); }
TColor P::PaletteColor48() const { return BasePaletteColor(*this, 48); }
TColor P::PaletteColor49() const { return BasePaletteColor(*this, 49); }
TColor P::PaletteColor50() const { return BasePaletteColor(*this, 50); }
TColor P::PaletteColor51() const { return BasePaletteColor(*this, 51); }
TColor P::PaletteColor52() const { return BasePaletteColor(*this, 52); }
TColor P::PaletteColor53() const { return BasePaletteColor(*this, 53); }
TColor P::PaletteColor54() const { return BasePaletteColor(*this, 54); }
TColor P::PaletteColor55() const { return BasePaletteColor(*this, 55); }

TColor P::PaletteColor(int entry) const
{
    using TOperation = TColor (P::*)() const;
    static constexpr TOperation operations[55] = {
        &P::PaletteColor01, &P::PaletteColor02, &P::PaletteColor03, &P::PaletteColor04, &P::PaletteColor05,
        &P::PaletteColor06, &P::PaletteColor07, &P::PaletteColor08, &P::PaletteColor09, &P::PaletteColor10,
        &P::PaletteColor11, &P::PaletteColor12, &P::PaletteColor13, &P::PaletteColor14, &P::PaletteColor15,
        &P::PaletteColor16, &P::PaletteColor17, &P::PaletteColor18, &P::PaletteColor19, &P::PaletteColor20,
        &P::PaletteColor21, &P::PaletteColor22, &P::PaletteColor23, &P::PaletteColor24, &P::PaletteColor25,
        &P::PaletteColor26, &P::PaletteColor27, &P::PaletteColor28, &P::PaletteColor29, &P::PaletteColor30,
        &P::PaletteColor31, &P::PaletteColor32, &P::PaletteColor33, &P::PaletteColor34, &P::PaletteColor35,
        &P::PaletteColor36, &P::PaletteColor37, &P::PaletteColor38, &P::PaletteColor39, &P::PaletteColor40,
        &P::PaletteColor41, &P::PaletteColor42, &P::PaletteColor43, &P::PaletteColor44, &P::PaletteColor45,
        &P::PaletteColor46, &P::PaletteColor47, &P::PaletteColor48, &P::PaletteColor49, &P::PaletteColor50,
        &P::PaletteColor51, &P::PaletteColor52, &P::PaletteColor53, &P::PaletteColor54, &P::PaletteColor55,
    };
    return entry >= 1 && entry <= 55 ? (this->*operations[entry - 1])() : clNone;
}
