// Containers that paint their colour: panels with a bevel, and group boxes
// with an etched frame and caption.
#pragma once

#include "classlib/customcontrol.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

    // Set before the window is made (DrawInParent in form text): while
    // nothing inside has a window, the panel is drawn in its parent's.
    void SetDrawInParent(bool value) { drawInParent_ = value; }

protected:
    TCreateParams CreateParams() const override;
    const TPropertyTable& Properties() const override;
    bool CanDrawInParent() const override { return drawInParent_; }

private:
    bool drawInParent_ = false;
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
