// Key combinations as one word, as menus and editors compare them: the
// virtual key in the low byte, the modifiers as high bits.
#pragma once

#include <windows.h>

#include "classlib/events.h"

using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

// 0 for a key that does not fit in the low byte.
TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
