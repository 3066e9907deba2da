// Push buttons over the BUTTON control.
#pragma once

#include "classlib/control.h"

class TButton : public TControl {
public:
    TButton() { SetTabStop(true); }

protected:
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void CNCommand(TMessage& message);
    void CMDialogKey(TMessage& message);
};
