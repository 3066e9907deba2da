// A check box on its parent's colour.
#pragma once

#include "classlib/control.h"

class TCheckBox : public TControl {
public:
    TCheckBox()
    {
        SetParentColor(true);
        SetTabStop(true);
    }
    bool Checked() const;
    void SetChecked(bool checked);

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    void HandleCreated() override;
    const TMessageMap& Messages() const override;
    void CNCtlColor(TMessage& message);
    void CNCommand(TMessage& message);

private:
    bool checked_ = false;
};
