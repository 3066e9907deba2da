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

// A push button as form texts name the kind that may carry a picture; ours
// carry none.
class TBitBtn : public TButton {};
