// TCcTab: dropped on a form, it makes Enter in an edit field act as Tab.
// Buttons keep their Enter, and so do the edit classes listed by name.
#pragma once

#include <string>

#include "classlib/customcontrol.h"

// Whether the class name (any case) is one of the edit classes that keep Enter.
bool IsCcEditClass(const std::string& className);

class TCcTab : public TGraphicControl {
public:
    explicit TCcTab(TComponent* owner = nullptr);

    bool EnterAsTab() const { return enterAsTab_; }
    void SetEnterAsTab(bool value) { enterAsTab_ = value; }

protected:
    const TPropertyTable& Properties() const override;
    const TMessageMap& Messages() const override;
    void CMDialogKey(TMessage& message);

private:
    bool enterAsTab_ = true;
};
