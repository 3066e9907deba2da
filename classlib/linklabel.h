// A label that answers clicks and may show the hand cursor over itself,
// for texts that open a link.
#pragma once

#include "classlib/label.h"

class TLinkLabel : public TLabel {
protected:
    const TPropertyTable& Properties() const override;
    const TMessageMap& Messages() const override;
    void CMHitTest(TMessage& message);
    // A press clicks it, as a notifying STATIC tells of it.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
};
