// How a control wants the input method editor while it has the focus.
#pragma once

#include <string>

enum class TImeMode {
    imDisable,
    imClose,
    imOpen,
    imDontCare,
    imSAlpha,
    imAlpha,
    imHira,
    imSKata,
    imKata,
    imChinese,
    imSHanguel,
    imHanguel
};

// The name of an input method layout; empty: the system's choice.
using TImeName = std::string;
