// Text on its parent's colour, drawn in the parent's window as a STATIC
// draws it: word-wrapped, or one line centred vertically; greyed while
// disabled. The mouse passes through it to what lies beneath.
#pragma once

#include "classlib/customcontrol.h"

class TLabel : public TGraphicControl {
public:
    TLabel() { SetParentColor(true); }

protected:
    const TPropertyTable& Properties() const override;
    const TMessageMap& Messages() const override;
    void CMHitTest(TMessage& message);
    void Paint() override;

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool centerVertically_ = false;
};
