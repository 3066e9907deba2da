// A label that answers clicks and may show the hand cursor over itself,
// for texts that open a link.
#pragma once

#include "classlib/label.h"

class TLinkLabel : public TLabel {
protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void CNCommand(TMessage& message);
};
