// A label that answers clicks and may show the hand cursor over itself,
// for texts that open a link.
#pragma once

#include "classlib/label.h"

enum class TCursor { crDefault, crHandPoint };

class TLinkLabel : public TLabel {
public:
    TCursor Cursor() const { return cursor_; }

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    TCursor cursor_ = TCursor::crDefault;
};
