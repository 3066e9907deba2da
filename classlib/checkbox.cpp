#include "classlib/checkbox.h"


TCreateParams TCheckBox::CreateParams() const
{
    return {"BUTTON", BS_AUTOCHECKBOX, 0};
}

void TCheckBox::HandleCreated()
{
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Checked() const
{
    return HandleAllocated() ? SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}

void TCheckBox::SetChecked(bool checked)
{
    bool changed = checked != Checked();
    checked_ = checked;
    if (HandleAllocated())
        SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (changed && HandleAllocated())
        TControl::Click();
}

const TMessageMap& TCheckBox::Messages() const
{
    static const TMessageMap map(TControl::Messages(), {
                                                           {CN_CTLCOLORSTATIC, &TCheckBox::CNCtlColor},
                                                           {CN_CTLCOLORBTN, &TCheckBox::CNCtlColor},
                                                           {CN_COMMAND, &TCheckBox::CNCommand},
                                                       });
    return map;
}

void TCheckBox::CNCtlColor(TMessage& m)
{
    m.Result = ControlColors(reinterpret_cast<HDC>(m.WParam));
}

void TCheckBox::CNCommand(TMessage& m)
{
    if (HIWORD(m.WParam) == BN_CLICKED) {
        checked_ = Checked();
        Click();
    }
}

const TPropertyTable& TCheckBox::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TCheckBox>(TControl::Properties(), {
        {"Checked", [](TCheckBox& c, const TPropertyValue& v) { c.SetChecked(v.Bool()); }},
    });
    return table;
}
