// Containers that paint their colour: panels with a bevel, and group boxes
// with an etched frame and caption.
#pragma once

#include "classlib/customcontrol.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    TCreateParams CreateParams() const override;
};

class TPanel : public TCustomPanel {
public:

protected:
    const TPropertyTable& Properties() const override;
    void Paint() override;
    void AdjustClientRect(RECT& rect) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
};

class TGroupBox : public TCustomPanel {
protected:
    void Paint() override;
    void AdjustClientRect(RECT& rect) override;
};
