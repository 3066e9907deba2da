// Static text on its parent's colour.
#pragma once

#include "classlib/control.h"

class TLabel : public TControl {
public:
    TLabel() { SetParentColor(true); }
    bool SetProperty(const std::string& name, const std::string& value) override;

protected:
    TCreateParams CreateParams() const override;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool centerVertically_ = false;
};
