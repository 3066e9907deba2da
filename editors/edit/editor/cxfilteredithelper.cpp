#include "editors/edit/editor/cxfilteredithelper.h"

#include <algorithm>
#include <memory>

#include "classlib/widetext.h"
#include "editors/edit/editor/cxedit.h"

const TcxClass TcxCustomFilterEditHelper::Class{"TcxCustomFilterEditHelper", nullptr, nullptr};
const TcxCustomFilterEditHelper TcxCustomFilterEditHelper::Instance{TcxCustomFilterEditHelper::Class};

void TcxCustomFilterEditHelper::ClearPropertiesEvents(TcxCustomEditProperties& properties) const
{
    properties.OnButtonClick = nullptr;
    properties.OnChange = nullptr;
    properties.OnEditValueChanged = nullptr;
    properties.OnValidate = nullptr;
}

void TcxCustomFilterEditHelper::InitFilterEdit(TcxCustomEdit& edit, const TcxCustomEditProperties& source) const
{
    InitFilterProperties(edit.GetEffectiveProperties(), source, FilterDataKind() != 0);
}

bool TcxCustomFilterEditHelper::KeepsProvider(const TcxCustomEditProperties&) const
{
    return true;
}

int TcxCustomFilterEditHelper::FilterDataKind() const
{
    return 0;
}

void TcxCustomFilterEditHelper::GetFilterValue(TcxCustomEdit& edit, const TcxCustomEditProperties& properties,
                                               std::string& text, Variant& value) const
{
    value = edit.GetEditValue();
    text = AnsiFromWide(properties.GetWideDisplayText(value));
}

void TcxCustomFilterEditHelper::FilterOperatorsFor(const TcxCustomEditProperties&, TcxValueTypeClass valueType,
                                                   TcxFilterOperators& operators, bool extended) const
{
    operators = cxFilterOperators(1, extended ? 14 : 10);
    // The two that only a text can stand for.
    if (!valueType || !valueType->HoldsText())
        operators &= ~(cxFilterOperator(7) | cxFilterOperator(8));
}

const TcxClass* TcxCustomFilterEditHelper::FilterEditorClass() const
{
    return nullptr;
}

void TcxCustomFilterEditHelper::InitFilterProperties(TcxCustomEditProperties& target,
                                                     const TcxCustomEditProperties& source, bool keepButtons) const
{
    target.Assign(source);
    target.Alignment().SetHorz(TAlignment::taLeftJustify);
    target.Alignment().SetVert(taTopJustify);
    target.SetBeepOnError(false);
    if (!keepButtons)
        target.Buttons().Clear();
    target.SetReadOnly(false);
    target.SetValidateOnEnter(true);
    if (!KeepsProvider(source))
        target.SetDefaultValuesProvider(nullptr);
    ClearPropertiesEvents(target);
}

bool TcxCustomFilterEditHelper::AcceptsValue(TcxValueTypeClass valueType, const Variant& value) const
{
    Variant copy = value;
    return valueType->CanConvert(copy);
}

void TcxCustomFilterEditHelper::ApplyFilterValue(TcxCustomEdit&, TcxCustomEditProperties&, const Variant&) const {}

bool TcxCustomFilterEditHelper::ShowsDisplayValue() const
{
    return false;
}

// The registry

namespace {
std::unique_ptr<TcxFilterEditsController>& ControllerSlot()
{
    static std::unique_ptr<TcxFilterEditsController> controller;
    return controller;
}
} // namespace

TcxFilterEditsController& FilterEditsControllerInstance()
{
    std::unique_ptr<TcxFilterEditsController>& controller = ControllerSlot();
    if (!controller)
        controller = std::make_unique<TcxFilterEditsController>();
    return *controller;
}

void TcxFilterEditsController::Register(const TcxClass* itemClass, TcxCustomFilterEditHelperClass helper)
{
    if (!itemClass || !helper)
        return;
    Register(itemClass->Parent, &helper->ClassRecord());
    if (std::find(helpers_.begin(), helpers_.end(), helper) == helpers_.end())
        helpers_.push_back(helper);
}

void TcxFilterEditsController::Unregister(const TcxClass* itemClass, TcxCustomFilterEditHelperClass helper)
{
    if (!itemClass || !helper)
        return;
    Unregister(itemClass->Parent, &helper->ClassRecord());
    if (Count() == 0 && ControllerSlot().get() == this)
        ControllerSlot().reset();
}

TcxCustomFilterEditHelperClass TcxFilterEditsController::FindHelper(const TcxClass* propertiesClass) const
{
    const TcxClass* record = GetClass(propertiesClass);
    for (TcxCustomFilterEditHelperClass helper : helpers_)
        if (&helper->ClassRecord() == record)
            return helper;
    return nullptr;
}
