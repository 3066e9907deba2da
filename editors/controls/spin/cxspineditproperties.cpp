#include "editors/controls/spin/cxspineditproperties.h"

#include <cstdint>
#include <string>

#include "classlib/floattext.h"
#include "classlib/formatsettings.h"
#include "classlib/propertytable.h"
#include "editors/controls/spin/cxspinedit.h"
#include "editors/controls/spin/cxspineditviewdata.h"
#include "editors/controls/spin/cxspinnumbertext.h"
#include "editors/edit/variants/cxvariants.h"

const TcxClass cxCustomSpinEditPropertiesClass{"TcxCustomSpinEditProperties", &cxCustomMaskEditPropertiesClass,
                                               nullptr};
const TcxClass cxSpinEditPropertiesClass{"TcxSpinEditProperties", &cxCustomSpinEditPropertiesClass, nullptr};

// Assigned values

std::unique_ptr<TcxCustomEditPropertiesValues> TcxSpinEditPropertiesValues::Create(TcxCustomEditProperties& owner)
{
    return std::make_unique<TcxSpinEditPropertiesValues>(owner);
}

void TcxSpinEditPropertiesValues::Assign(const TPersistent& source)
{
    auto* values = dynamic_cast<const TcxSpinEditPropertiesValues*>(&source);
    if (!values) {
        TcxTextEditPropertiesValues::Assign(source);
        return;
    }
    Owner().Updating([&] {
        TcxTextEditPropertiesValues::Assign(source);
        SetValueType(values->ValueType());
    });
}

void TcxSpinEditPropertiesValues::ClearAssigned()
{
    Owner().Updating([&] {
        TcxTextEditPropertiesValues::ClearAssigned();
        SetValueType(false);
    });
}

const TPropertyTable& TcxSpinEditPropertiesValues::Properties() const
{
    using V = TcxSpinEditPropertiesValues;
    static const TPropertyTable table = TPropertyTable::Of<V>(TcxTextEditPropertiesValues::Properties(), {
        {"ValueType", [](V& values, const TPropertyValue& v) { values.SetValueType(v.Bool()); }},
    });
    return table;
}

// Properties

TcxCustomSpinEditProperties::TcxCustomSpinEditProperties(TPersistent* owner)
    : TcxCustomMaskEditProperties(owner, &TcxSpinEditPropertiesValues::Create),
      spinButtons_(std::make_unique<TcxSpinEditButtons>(*this))
{
    SyncEditButtons();
}

TcxCustomSpinEditProperties::~TcxCustomSpinEditProperties() = default;

void TcxCustomSpinEditProperties::SyncEditButtons()
{
    if (syncingButtons_ || !spinButtons_)
        return;
    syncingButtons_ = true;
    TcxEditButtons& buttons = Buttons();
    const int wanted = spinButtons_->ButtonCount();
    buttons.Updating([&] {
        while (buttons.Count() < wanted)
            buttons.Add();
        while (buttons.Count() > wanted)
            buttons.Delete(buttons.Count() - 1);
    });
    syncingButtons_ = false;
}

void TcxCustomSpinEditProperties::Changed()
{
    SyncEditButtons();
    if (!syncingButtons_)
        TcxCustomMaskEditProperties::Changed();
}

template <class T>
void TcxCustomSpinEditProperties::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TcxCustomSpinEditProperties::SetCanEdit(bool value)
{
    Store(canEdit_, value);
}

void TcxCustomSpinEditProperties::SetCircular(bool value)
{
    Store(circular_, value);
}

void TcxCustomSpinEditProperties::SetIncrement(double value)
{
    Store(increment_, value);
}

void TcxCustomSpinEditProperties::SetLargeIncrement(double value)
{
    Store(largeIncrement_, value);
}

void TcxCustomSpinEditProperties::SetExceptionOnInvalidInput(bool value)
{
    Store(exceptionOnInvalidInput_, value);
}

void TcxCustomSpinEditProperties::SetUseCtrlIncrement(bool value)
{
    Store(useCtrlIncrement_, value);
}

// The providers of this program tell no field types: unassigned is vtFloat.
TcxSpinEditValueType TcxCustomSpinEditProperties::ValueType() const
{
    return AssignedValues().ValueType() ? valueType_ : vtFloat;
}

void TcxCustomSpinEditProperties::SetValueType(TcxSpinEditValueType value)
{
    if (AssignedValues().ValueType() && valueType_ == value)
        return;
    Updating([&] {
        valueType_ = value;
        AssignedValues().SetValueType(true);
        Changed();
    });
}

void TcxCustomSpinEditProperties::Assign(const TPersistent& source)
{
    auto* properties = dynamic_cast<const TcxCustomSpinEditProperties*>(&source);
    if (!properties || properties == this) {
        TcxCustomMaskEditProperties::Assign(source);
        return;
    }
    Updating([&] {
        TcxCustomMaskEditProperties::Assign(source);
        const TcxCustomSpinEditProperties& p = *properties;
        spinButtons_->Assign(*p.spinButtons_);
        SetCanEdit(p.canEdit_);
        SetCircular(p.circular_);
        SetIncrement(p.increment_);
        SetLargeIncrement(p.largeIncrement_);
        SetExceptionOnInvalidInput(p.exceptionOnInvalidInput_);
        SetUseCtrlIncrement(p.useCtrlIncrement_);
        AssignedValues().SetValueType(false);
        if (p.AssignedValues().ValueType())
            SetValueType(p.valueType_);
        OnGetValue = p.OnGetValue;
    });
}

TcxSpinBoundsMode TcxCustomSpinEditProperties::BoundsMode() const
{
    return cxSpinBoundsMode(circular_, HasDefaultBounds());
}

TcxSpinSettings TcxCustomSpinEditProperties::StepSettings() const
{
    TcxSpinSettings settings;
    settings.ValueType = ValueType();
    settings.Increment = increment_;
    settings.LargeIncrement = largeIncrement_;
    settings.Bounds = TcxEditBounds{AssignedValues().MinValue(), AssignedValues().MaxValue(), LowerBound(),
                                    UpperBound()};
    settings.BoundsMode = BoundsMode();
    return settings;
}

TcxSpinNumber TcxCustomSpinEditProperties::Clamped(const TcxSpinNumber& value) const
{
    TcxSpinSettings settings = StepSettings();
    settings.BoundsMode = sbmClamp;
    if (const auto stepped = cxSpinStepBy(settings, value, 0))
        return *stepped;
    return cxToSpinValueType(value, settings.ValueType).value_or(TcxSpinNumber{std::int64_t{0}});
}

std::optional<TcxSpinNumber> TcxCustomSpinEditProperties::TextToNumber(const std::string& text) const
{
    return cxSpinTextToNumber(text, ValueType(), FormatSettings());
}

std::optional<TcxSpinNumber> TcxCustomSpinEditProperties::SpinValueOf(const Variant& editValue) const
{
    std::optional<TcxSpinNumber> number;
    if (VarIsNumber(editValue)) {
        if (VarTypeIsInteger(editValue.VarType()))
            number = TcxSpinNumber{editValue.ToInt64()};
        else
            number = TcxSpinNumber{editValue.ToDouble()};
    } else if (!editValue.IsNull() && !editValue.IsEmpty()) {
        number = TextToNumber(VarToStr(editValue));
    }
    if (!number)
        return std::nullopt;
    return cxToSpinValueType(*number, ValueType());
}

std::string TcxCustomSpinEditProperties::NumberToText(const TcxSpinNumber& value) const
{
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        return std::to_string(*whole);
    return FloatToStr(std::get<double>(value), FormatSettings());
}

// Any value is kept: texts that are no number fall back at validation.
bool TcxCustomSpinEditProperties::IsEditValueValid(Variant&, bool) const
{
    return true;
}

void TcxCustomSpinEditProperties::ValueToDisplayValue(const Variant& value, Variant& displayValue,
                                                      bool editing) const
{
    const std::optional<TcxSpinNumber> number = SpinValueOf(value);
    if (!number) {
        TcxCustomMaskEditProperties::ValueToDisplayValue(value, displayValue, editing);
        return;
    }
    // A display format shows the value unfocused; editing shows it plain.
    if (!editing && !DisplayFormat().empty())
        displayValue = Variant(FormatValueText(Variant(cxSpinNumberAsDouble(*number)), false));
    else
        displayValue = Variant(NumberToText(*number));
}

void TcxCustomSpinEditProperties::ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit,
                                                bool& error)
{
    if (auto* spin = dynamic_cast<TcxCustomSpinEdit*>(edit))
        spin->ValidateSpinText(value, errorText, error);
    TcxCustomEditProperties::ValidateValue(value, errorText, edit, error);
}

std::string TcxCustomSpinEditProperties::DefaultErrorText(int kind) const
{
    return kind == 2 ? "Invalid numeric value" : TcxCustomMaskEditProperties::DefaultErrorText(kind);
}

TcxCustomEditViewDataClass TcxCustomSpinEditProperties::GetViewDataClass() const
{
    return &TcxSpinEditViewData::Create;
}

TcxCustomEditViewInfoClass TcxCustomSpinEditProperties::ViewInfoClassOf() const
{
    return []() -> std::unique_ptr<TcxCustomEditViewInfo> { return std::make_unique<TcxSpinEditViewInfo>(); };
}

const TcxClass* TcxCustomSpinEditProperties::GetEditClass() const
{
    return &cxSpinEditClass;
}

std::unique_ptr<TcxCustomEditProperties> TcxCustomSpinEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxCustomSpinEditProperties>(nullptr);
}

std::unique_ptr<TcxCustomEditProperties> TcxSpinEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxSpinEditProperties>(nullptr);
}

// Form text

namespace {

constexpr TEnumName<TcxSpinEditValueType> kValueTypes[] = {{"vtInt", vtInt}, {"vtFloat", vtFloat}};

} // namespace

TPersistent* TcxCustomSpinEditProperties::NestedObject(std::string_view name)
{
    if (name == "SpinButtons")
        return spinButtons_.get();
    return TcxCustomMaskEditProperties::NestedObject(name);
}

const TPropertyTable& TcxCustomSpinEditProperties::Properties() const
{
    using P = TcxCustomSpinEditProperties;
    static const TPropertyTable table = TPropertyTable::Of<P>(TcxCustomMaskEditProperties::Properties(), {
        {"CanEdit", [](P& p, const TPropertyValue& v) { p.SetCanEdit(v.Bool()); }},
        {"DisplayFormat", [](P& p, const TPropertyValue& v) { p.SetDisplayFormat(v.Text()); }},
        {"EditFormat", [](P& p, const TPropertyValue& v) { p.SetEditFormat(v.Text()); }},
        {"ImmediatePost", [](P& p, const TPropertyValue& v) { p.SetImmediatePost(v.Bool()); }},
        {"UseDisplayFormatWhenEditing",
         [](P& p, const TPropertyValue& v) { p.SetUseDisplayFormatWhenEditing(v.Bool()); }},
        {"UseLeftAlignmentOnEditing", [](P& p, const TPropertyValue& v) { p.SetUseLeftAlignmentOnEditing(v.Bool()); }},
        {"Circular", [](P& p, const TPropertyValue& v) { p.SetCircular(v.Bool()); }},
        {"ExceptionOnInvalidInput", [](P& p, const TPropertyValue& v) { p.SetExceptionOnInvalidInput(v.Bool()); }},
        {"Increment", [](P& p, const TPropertyValue& v) { p.SetIncrement(v.Float()); }},
        {"LargeIncrement", [](P& p, const TPropertyValue& v) { p.SetLargeIncrement(v.Float()); }},
        {"MaxValue", [](P& p, const TPropertyValue& v) { p.SetMaxValue(v.Float()); }},
        {"MinValue", [](P& p, const TPropertyValue& v) { p.SetMinValue(v.Float()); }},
        {"UseCtrlIncrement", [](P& p, const TPropertyValue& v) { p.SetUseCtrlIncrement(v.Bool()); }},
        {"ValueType", [](P& p, const TPropertyValue& v) { p.SetValueType(v.Enum(kValueTypes)); }},
        {"OnGetValue", [](P& p, const TPropertyValue& v) { p.OnGetValue = v.Handler<TcxSpinEditGetValueEvent>(); }},
        // A zero step is not stored as itself; these flags bring it back.
        {"ZeroIncrement", [](P& p, const TPropertyValue& v) { if (v.Bool()) p.SetIncrement(0); }},
        {"ZeroLargeIncrement", [](P& p, const TPropertyValue& v) { if (v.Bool()) p.SetLargeIncrement(0); }},
    });
    return table;
}
