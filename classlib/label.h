// Static text on its parent's colour.
#pragma once

#include "classlib/control.h"

class TLabel : public TControl {
public:
    TLabel() { SetParentColor(true); }

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void CNCtlColorStatic(TMessage& message);
    void WMSetText(TMessage& message);

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool centerVertically_ = false;
};
