// Push buttons over the BUTTON control.
#pragma once

#include "classlib/control.h"

class TButton : public TControl {
protected:
    TCreateParams CreateParams() const override;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};
