#include "editors/edit/properties/cxeditpropertiesvalues.h"

#include "classlib/propertytable.h"
#include "editors/edit/properties/cxeditproperties.h"

std::unique_ptr<TcxCustomEditPropertiesValues> TcxCustomEditPropertiesValues::Create(TcxCustomEditProperties& owner)
{
    return std::make_unique<TcxCustomEditPropertiesValues>(owner);
}

TPersistent* TcxCustomEditPropertiesValues::GetOwner() const
{
    return &owner_;
}

void TcxCustomEditPropertiesValues::SetAssigned(TcxEditAssignedValue value, bool assigned)
{
    if (IsAssigned(value) == assigned)
        return;
    flags_ ^= Bit(value);
    owner_.Changed();
}

void TcxCustomEditPropertiesValues::Assign(const TPersistent& source)
{
    auto* values = dynamic_cast<const TcxCustomEditPropertiesValues*>(&source);
    if (!values) {
        TPersistent::Assign(source);
        return;
    }
    owner_.Updating([&] {
        SetMaxValue(values->MaxValue());
        SetMinValue(values->MinValue());
        SetReadOnly(values->ReadOnly());
    });
}

void TcxCustomEditPropertiesValues::ClearAssigned()
{
    owner_.Updating([this] {
        if (flags_ == 0)
            return;
        flags_ = 0;
        owner_.Changed();
    });
}

bool TcxCustomEditPropertiesValues::IsFlagStored(TcxEditAssignedValue value, const char* name,
                                                 double ownerValue) const
{
    return IsAssigned(value) && ownerValue == 0 && owner_.Publishes(name);
}

bool TcxCustomEditPropertiesValues::IsMaxValueStored() const
{
    return IsFlagStored(avMaxValue, "MaxValue", owner_.GetMaxValue());
}

bool TcxCustomEditPropertiesValues::IsMinValueStored() const
{
    return IsFlagStored(avMinValue, "MinValue", owner_.GetMinValue());
}

const TPropertyTable& TcxCustomEditPropertiesValues::Properties() const
{
    using V = TcxCustomEditPropertiesValues;
    static const TPropertyTable table = TPropertyTable::Of<V>(TPersistent::Properties(), {
        {"MaxValue", [](V& values, const TPropertyValue& v) { values.SetMaxValue(v.Bool()); }},
        {"MinValue", [](V& values, const TPropertyValue& v) { values.SetMinValue(v.Bool()); }},
        {"ReadOnly", [](V& values, const TPropertyValue& v) { values.SetReadOnly(v.Bool()); }},
    });
    return table;
}
