// Etched lines and frames that only divide a form.
#pragma once

#include "classlib/control.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine };

class TBevel : public TControl {
public:
    TBevel() { SetParentColor(true); }
    bool SetProperty(const std::string& name, const std::string& value) override;

protected:
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void WMNCHitTest(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMPaint(TMessage& message);

private:
    TBevelShape shape_ = TBevelShape::bsBox;
};
