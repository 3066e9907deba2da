// A check box on its parent's colour.
#pragma once

#include "classlib/control.h"

class TCheckBox : public TControl {
public:
    TCheckBox() { SetParentColor(true); }
    bool Checked() const;
    void SetChecked(bool checked);

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    void HandleCreated() override;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool checked_ = false;
};
