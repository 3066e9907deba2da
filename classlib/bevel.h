// Etched lines and frames that only divide a form.
#pragma once

#include "classlib/customcontrol.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine };

class TBevel : public TGraphicControl {
public:
    TBevel() { SetParentColor(true); }

protected:
    const TPropertyTable& Properties() const override;
    const TMessageMap& Messages() const override;
    void CMHitTest(TMessage& message);
    void Paint() override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
};
