// The spin buttons' settings, owned by a spin editor's properties: where
// the buttons go, whether the fast ones show, whether any do.
#pragma once

#include "classlib/persistent.h"
#include "editors/controls/spin/cxspinbuttonlayout.h"

class TcxCustomEditProperties;

class TcxSpinEditButtons : public TPersistent {
public:
    explicit TcxSpinEditButtons(TcxCustomEditProperties& owner) : owner_(owner) {}

    TPersistent* GetOwner() const override;
    // The three settings, inside one update of the owner.
    void Assign(const TPersistent& source) override;

    TcxSpinEditButtonsPosition Position() const { return position_; }
    void SetPosition(TcxSpinEditButtonsPosition value);
    bool ShowFastButtons() const { return showFastButtons_; }
    void SetShowFastButtons(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // How many edit buttons these settings ask for: 0, 2 or 4.
    int ButtonCount() const { return cxSpinButtonCount(visible_, showFastButtons_); }

protected:
    const TPropertyTable& Properties() const override;

private:
    template <class T>
    void Store(T& field, T value);

    TcxCustomEditProperties& owner_;
    TcxSpinEditButtonsPosition position_ = sbpVert;
    bool showFastButtons_ = false;
    bool visible_ = true;
};
