#include "windows/cctab.h"

#include <array>

#include "classlib/charcase.h"
#include "classlib/checkbox.h"
#include "classlib/classregistry.h"
#include "classlib/form.h"

namespace {

// Edit classes with an Enter of their own, in upper case.
constexpr std::array<const char*, 6> CcEditClassNames = {"TCCEDIT",       "TCCDBEDIT",     "TCCDATEEDIT",
                                                          "TCCMASKEDIT",   "TCCDBDATEEDIT", "TCCDBMASKEDIT"};

// Push buttons, radio buttons and check boxes are all the system's BUTTON class.
bool IsButtonControl(const TControl& control)
{
    char name[16] = {};
    return control.HandleAllocated() && GetClassNameA(control.Handle(), name, sizeof name) > 0 &&
           lstrcmpiA(name, "Button") == 0;
}

TForm* OwningForm(const TComponent* component)
{
    for (; component; component = component->Owner())
        if (auto* form = dynamic_cast<TForm*>(const_cast<TComponent*>(component)))
            return form;
    return nullptr;
}

} // namespace

bool IsCcEditClass(const std::string& className)
{
    const std::string upper = AnsiUpperCase(className);
    for (const char* name : CcEditClassNames)
        if (upper == name)
            return true;
    return false;
}

TCcTab::TCcTab(TComponent* owner) : TGraphicControl(owner)
{
    // There is no form designer to show it in: at run time it is neither
    // seen nor focused.
    SetEnabled(false);
    SetVisible(false);
}

const TMessageMap& TCcTab::Messages() const
{
    static const TMessageMap map(TGraphicControl::Messages(), {{CM_DIALOGKEY, &TCcTab::CMDialogKey}});
    return map;
}

void TCcTab::CMDialogKey(TMessage& m)
{
    const auto passOn = [&] { TGraphicControl::Messages().Dispatch(*this, m); };
    TForm* form = OwningForm(this);
    if (!form)
        form = ParentForm();
    if (!form) {
        passOn();
        return;
    }
    // A check box is a button too, but Enter on it moves on all the same.
    if (TControl* active = form->ActiveControl(); active && !dynamic_cast<TCheckBox*>(active)) {
        if (IsButtonControl(*active) || IsCcEditClass(ComponentClassName(*active))) {
            passOn();
            return;
        }
    }
    if (!enterAsTab_ || LOWORD(m.WParam) != VK_RETURN) {
        passOn();
        return;
    }
    const TLiveness alive = Liveness();
    passOn();
    if (!alive)
        return;
    form->Perform(CM_DIALOGKEY, VK_TAB, m.LParam);
    if (alive)
        m.Result = 1;
}

const TPropertyTable& TCcTab::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TCcTab>(TGraphicControl::Properties(), {
        {"EnterAsTab", [](TCcTab& c, const TPropertyValue& v) { c.SetEnterAsTab(v.Bool()); }},
    });
    return table;
}
