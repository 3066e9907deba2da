// The common colour dialog.
#pragma once

#include <windows.h>

#include <array>

#include "classlib/colors.h"
#include "classlib/component.h"

class TColorDialog : public TComponent {
public:
    // The colour the dialog opens with; the chosen one after a confirmed run.
    TColor Color = clBlack;

    // Runs the dialog modally; true when the user confirmed a colour,
    // false (Color unchanged) when cancelled.
    bool Execute();

protected:
    const TPropertyTable& Properties() const override;

private:
    // The dialog's sixteen custom colours, white at first, kept between runs.
    std::array<COLORREF, 16> customColors_ = [] {
        std::array<COLORREF, 16> white;
        white.fill(RGB(255, 255, 255));
        return white;
    }();
};
