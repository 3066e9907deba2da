#include "classlib/checkbox.h"


TCreateParams TCheckBox::CreateParams() const
{
    return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
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

bool TCheckBox::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN) {
        result = ControlColors(reinterpret_cast<HDC>(wp));
        return true;
    }
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        checked_ = Checked();
        Click();
        return true;
    }
    return TControl::Notify(msg, wp, lp, result);
}

const TPropertyTable& TCheckBox::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TCheckBox>(TControl::Properties(), {
        {"Checked", [](TCheckBox& c, const TPropertyValue& v) { c.SetChecked(v.Bool()); }},
    });
    return table;
}
