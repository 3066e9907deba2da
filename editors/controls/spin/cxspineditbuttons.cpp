#include "editors/controls/spin/cxspineditbuttons.h"

#include "classlib/propertytable.h"
#include "editors/edit/properties/cxeditproperties.h"

TPersistent* TcxSpinEditButtons::GetOwner() const
{
    return &owner_;
}

template <class T>
void TcxSpinEditButtons::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    owner_.Changed();
}

void TcxSpinEditButtons::SetPosition(TcxSpinEditButtonsPosition value)
{
    Store(position_, value);
}

void TcxSpinEditButtons::SetShowFastButtons(bool value)
{
    Store(showFastButtons_, value);
}

void TcxSpinEditButtons::SetVisible(bool value)
{
    Store(visible_, value);
}

void TcxSpinEditButtons::Assign(const TPersistent& source)
{
    const auto* buttons = dynamic_cast<const TcxSpinEditButtons*>(&source);
    if (!buttons) {
        TPersistent::Assign(source);
        return;
    }
    owner_.Updating([&] {
        SetPosition(buttons->position_);
        SetShowFastButtons(buttons->showFastButtons_);
        SetVisible(buttons->visible_);
    });
}

namespace {

constexpr TEnumName<TcxSpinEditButtonsPosition> kPositions[] = {
    {"sbpHorzLeftRight", sbpHorzLeftRight},
    {"sbpHorzRight", sbpHorzRight},
    {"sbpVert", sbpVert},
};

} // namespace

const TPropertyTable& TcxSpinEditButtons::Properties() const
{
    using B = TcxSpinEditButtons;
    static const TPropertyTable table = TPropertyTable::Of<B>(TPersistent::Properties(), {
        {"Position", [](B& b, const TPropertyValue& v) { b.SetPosition(v.Enum(kPositions)); }},
        {"ShowFastButtons", [](B& b, const TPropertyValue& v) { b.SetShowFastButtons(v.Bool()); }},
        {"Visible", [](B& b, const TPropertyValue& v) { b.SetVisible(v.Bool()); }},
    });
    return table;
}
