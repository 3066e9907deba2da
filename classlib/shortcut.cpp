#include "classlib/shortcut.h"

namespace {
// Modifier bit of the word and the shift state it stands for.
constexpr struct {
    TShortCut bit;
    TShiftState shift;
} kModifiers[] = {{scShift, ssShift}, {scCtrl, ssCtrl}, {scAlt, ssAlt}};
} // namespace

TShortCut ShortCut(WORD key, TShiftState shift)
{
    if (HIBYTE(key) != 0)
        return 0;
    TShortCut result = key;
    for (const auto& m : kModifiers)
        if (shift & m.shift)
            result |= m.bit;
    return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift)
{
    key = shortCut & ~(scShift | scCtrl | scAlt);
    shift = 0;
    for (const auto& m : kModifiers)
        if (shortCut & m.bit)
            shift |= m.shift;
}
