// Etched lines and frames that only divide a form.
#pragma once

#include "classlib/customcontrol.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine };

class TBevel : public TGraphicControl {
public:
    TBevel() { SetParentColor(true); }
    bool SetProperty(const std::string& name, const std::string& value) override;

protected:
    TCreateParams CreateParams() const override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Paint() override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
};
