// Etched lines and frames that only divide a form.
#pragma once

#include "classlib/control.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine };

class TBevel : public TControl {
public:
    TBevel() { SetParentColor(true); }

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
};
