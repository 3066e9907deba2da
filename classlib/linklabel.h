// A label that answers clicks and may show the hand cursor over itself,
// for texts that open a link.
#pragma once

#include "classlib/label.h"

enum class TCursor { crDefault, crHandPoint };

class TLinkLabel : public TLabel {
public:
    TCursor Cursor() const { return cursor_; }
    bool SetProperty(const std::string& name, const std::string& value) override;

protected:
    TCreateParams CreateParams() const override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    TCursor cursor_ = TCursor::crDefault;
};
