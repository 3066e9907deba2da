#include "editors/controls/text/cxtexteditproperties.h"

#include <algorithm>
#include <numeric>

#include "classlib/charcase.h"
#include "classlib/currency.h"
#include "classlib/datetimetext.h"
#include "classlib/exceptions.h"
#include "classlib/floattext.h"
#include "classlib/formatsettings.h"
#include "classlib/liveness.h"
#include "classlib/propertytable.h"
#include "editors/controls/text/cxformatfloat.h"
#include "editors/controls/text/cxtextdisplay.h"
#include "editors/controls/text/cxtextedit.h"
#include "editors/controls/text/cxtexteditlookupedit.h"
#include "editors/controls/text/cxtextlookupsearch.h"
#include "editors/edit/editor/cxedit.h"

const TcxClass cxCustomTextEditPropertiesClass{"TcxCustomTextEditProperties", nullptr, nullptr};
const TcxClass cxTextEditPropertiesClass{"TcxTextEditProperties", &cxCustomTextEditPropertiesClass, nullptr};

namespace {

// The editor features beyond the generic editor's.
constexpr TcxEditSupportedOperations kTextEditOperations = 0x15E;
// The general format's digits when no provider gives a precision.
constexpr int kDefaultPrecision = 15;

} // namespace

// Assigned values

std::unique_ptr<TcxCustomEditPropertiesValues> TcxTextEditPropertiesValues::Create(TcxCustomEditProperties& owner)
{
    return std::make_unique<TcxTextEditPropertiesValues>(owner);
}

void TcxTextEditPropertiesValues::Assign(const TPersistent& source)
{
    auto* values = dynamic_cast<const TcxTextEditPropertiesValues*>(&source);
    if (!values) {
        TcxCustomEditPropertiesValues::Assign(source);
        return;
    }
    Owner().Updating([&] {
        TcxCustomEditPropertiesValues::Assign(source);
        SetDisplayFormat(values->DisplayFormat());
        SetEditFormat(values->EditFormat());
        SetMaxLength(values->MaxLength());
    });
}

void TcxTextEditPropertiesValues::ClearAssigned()
{
    Owner().Updating([&] {
        TcxCustomEditPropertiesValues::ClearAssigned();
        SetDisplayFormat(false);
        SetEditFormat(false);
        SetMaxLength(false);
    });
}

bool TcxTextEditPropertiesValues::IsFormatStored(TcxEditAssignedValue value, const char* name) const
{
    auto& owner = static_cast<const TcxCustomTextEditProperties&>(Owner());
    const std::string text = value == avDisplayFormat ? owner.DisplayFormat() : owner.EditFormat();
    return IsAssigned(value) && text.empty() && owner.Publishes(name);
}

bool TcxTextEditPropertiesValues::IsDisplayFormatStored() const
{
    return IsFormatStored(avDisplayFormat, "DisplayFormat");
}

bool TcxTextEditPropertiesValues::IsEditFormatStored() const
{
    return IsFormatStored(avEditFormat, "EditFormat");
}

const TPropertyTable& TcxTextEditPropertiesValues::Properties() const
{
    using V = TcxTextEditPropertiesValues;
    static const TPropertyTable table = TPropertyTable::Of<V>(TcxCustomEditPropertiesValues::Properties(), {
        {"DisplayFormat", [](V& values, const TPropertyValue& v) { values.SetDisplayFormat(v.Bool()); }},
        {"EditFormat", [](V& values, const TPropertyValue& v) { values.SetEditFormat(v.Bool()); }},
        {"MaxLength", [](V& values, const TPropertyValue& v) { values.SetMaxLength(v.Bool()); }},
    });
    return table;
}

// Lookup items

int TcxTextEditLookupItems::Add(const std::string& text, void* object)
{
    auto at = strings_.end();
    if (sorted_)
        at = std::upper_bound(strings_.begin(), strings_.end(), text,
                              [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
    const auto index = at - strings_.begin();
    strings_.insert(at, text);
    objects_.insert(objects_.begin() + index, object);
    Changed();
    return static_cast<int>(index);
}

void TcxTextEditLookupItems::Clear()
{
    if (strings_.empty())
        return;
    strings_.clear();
    objects_.clear();
    Changed();
}

void TcxTextEditLookupItems::Assign(const TcxTextEditLookupItems& source)
{
    if (&source == this)
        return;
    strings_ = source.strings_;
    objects_ = source.objects_;
    if (sorted_)
        SetSorted(false), SetSorted(true);
    Changed();
}

void TcxTextEditLookupItems::SetSorted(bool value)
{
    if (sorted_ == value)
        return;
    sorted_ = value;
    if (!value)
        return;
    std::vector<std::size_t> order(strings_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return AnsiCompareText(strings_[a], strings_[b]) < 0;
    });
    std::vector<std::string> strings;
    std::vector<void*> objects;
    for (std::size_t i : order) {
        strings.push_back(std::move(strings_[i]));
        objects.push_back(objects_[i]);
    }
    strings_ = std::move(strings);
    objects_ = std::move(objects);
    Changed();
}

void TcxTextEditLookupItems::Changed()
{
    if (OnChange)
        OnChange();
}

// Properties

TcxCustomTextEditProperties::TcxCustomTextEditProperties(TPersistent* owner)
    : TcxCustomTextEditProperties(owner, &TcxTextEditPropertiesValues::Create)
{
}

TcxCustomTextEditProperties::TcxCustomTextEditProperties(TPersistent* owner,
                                                         TcxCustomEditPropertiesValuesClass valuesClass)
    : TcxCustomEditProperties(owner, valuesClass, TcxEditButtons::Class()),
      lookupItems_(std::make_unique<TcxTextEditLookupItems>())
{
    lookupItems_->OnChange = [this] { Changed(); };
    FormatControllerInstance().AddFormatListener(this);
}

TcxCustomTextEditProperties::~TcxCustomTextEditProperties()
{
    FormatControllerInstance().RemoveFormatListener(this);
    lookupItems_->OnChange = nullptr;
}

void TcxCustomTextEditProperties::FormatChanged()
{
    // A handler told of the change may free these properties.
    TFlagScope changing(life_.Watch(), formatChanging_);
    FormatChangedHook();
}

void TcxCustomTextEditProperties::FormatChangedHook()
{
    Changed();
}

template <class T>
void TcxCustomTextEditProperties::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

// Stores an optional value and marks it assigned; unchanged only when it
// was assigned with that value already.
template <class T>
void TcxCustomTextEditProperties::StoreAssigned(T& field, TcxEditAssignedValue flag, const T& value,
                                                void (TcxCustomTextEditProperties::*notify)())
{
    if (AssignedValues().IsAssigned(flag) && field == value)
        return;
    Updating([&] {
        field = value;
        AssignedValues().SetAssigned(flag, true);
        (this->*notify)();
    });
}

void TcxCustomTextEditProperties::Assign(const TPersistent& source)
{
    auto* properties = dynamic_cast<const TcxCustomTextEditProperties*>(&source);
    if (!properties || properties == this) {
        TcxCustomEditProperties::Assign(source);
        return;
    }
    Updating([&] {
        TcxCustomEditProperties::Assign(source);
        const TcxCustomTextEditProperties& p = *properties;
        SetCharCase(p.charCase_);
        SetEchoMode(p.echoMode_);
        fixedListSelection_ = p.fixedListSelection_;
        SetCaretHidden(p.caretHidden_);
        SetHideSelection(p.hideSelection_);
        immediateUpdateText_ = p.immediateUpdateText_;
        SetIncrementalSearch(p.incrementalSearch_);
        mostRecentlyUsed_ = p.mostRecentlyUsed_;
        SetAllowedChars(p.allowedChars_);
        lookupItems_->SetSorted(false);
        lookupItems_->Assign(*p.lookupItems_);
        lookupItems_->SetSorted(p.lookupItems_->Sorted());
        TcxTextEditPropertiesValues& values = AssignedValues();
        values.SetDisplayFormat(false);
        values.SetEditFormat(false);
        values.SetMaxLength(false);
        if (p.AssignedValues().DisplayFormat())
            SetDisplayFormat(p.displayFormat_);
        if (p.AssignedValues().EditFormat())
            SetEditFormat(p.editFormat_);
        if (p.AssignedValues().MaxLength())
            SetMaxLength(p.maxLength_);
        SetOEMConvert(p.oemConvert_);
        SetImeMode(p.imeMode_);
        SetImeName(p.imeName_);
        SetPasswordChar(p.passwordChar_);
        SetUseDisplayFormatWhenEditing(p.useDisplayFormatWhenEditing_);
        OnNewLookupDisplayText = p.OnNewLookupDisplayText;
    });
}

void TcxCustomTextEditProperties::SetAlignment(const TcxEditAlignment& value)
{
    Updating([&] { TcxCustomEditProperties::SetAlignment(value); });
}

void TcxCustomTextEditProperties::SetCharCase(TEditCharCase value)
{
    if (charCase_ == value)
        return;
    charCase_ = value;
    CharCaseChanged();
}

void TcxCustomTextEditProperties::SetEchoMode(TcxEditEchoMode value)
{
    Store(echoMode_, value);
}

void TcxCustomTextEditProperties::SetHideSelection(bool value)
{
    Store(hideSelection_, value);
}

void TcxCustomTextEditProperties::SetImeMode(TImeMode value)
{
    Store(imeMode_, value);
}

void TcxCustomTextEditProperties::SetImeName(const TImeName& value)
{
    Store(imeName_, value);
}

void TcxCustomTextEditProperties::SetIncrementalSearch(bool value)
{
    Store(incrementalSearch_, value);
}

int TcxCustomTextEditProperties::MaxLength() const
{
    return AssignedValues().MaxLength() ? maxLength_ : GetDefaultMaxLength();
}

void TcxCustomTextEditProperties::SetMaxLength(int value)
{
    StoreAssigned(maxLength_, avMaxLength, std::max(value, 0), &TcxCustomTextEditProperties::Changed);
}

void TcxCustomTextEditProperties::SetOEMConvert(bool value)
{
    Store(oemConvert_, value);
}

void TcxCustomTextEditProperties::SetPasswordChar(char value)
{
    Store(passwordChar_, value);
}

std::string TcxCustomTextEditProperties::DisplayFormat() const
{
    return AssignedValues().DisplayFormat() ? displayFormat_ : GetDefaultDisplayFormat();
}

void TcxCustomTextEditProperties::SetDisplayFormat(const std::string& value)
{
    StoreAssigned(displayFormat_, avDisplayFormat, value, &TcxCustomTextEditProperties::DisplayFormatChanged);
}

std::string TcxCustomTextEditProperties::EditFormat() const
{
    return AssignedValues().EditFormat() ? editFormat_ : std::string();
}

void TcxCustomTextEditProperties::SetEditFormat(const std::string& value)
{
    StoreAssigned(editFormat_, avEditFormat, value, &TcxCustomTextEditProperties::EditFormatChanged);
}

void TcxCustomTextEditProperties::SetCaretHidden(bool value)
{
    Store(caretHidden_, value);
}

void TcxCustomTextEditProperties::SetAllowedChars(const std::bitset<256>& value)
{
    Store(allowedChars_, value);
}

void TcxCustomTextEditProperties::SetUseDisplayFormatWhenEditing(bool value)
{
    Store(useDisplayFormatWhenEditing_, value);
}

int TcxCustomTextEditProperties::TextViewStyle() const
{
    static constexpr int kFromButtonsKind[] = {0, 2, 3};
    if (const int kind = ButtonsStyleKind(); kind != 0)
        return kFromButtonsKind[std::min(kind, 2)];
    return caretHidden_ ? 1 : 0;
}

void TcxCustomTextEditProperties::SetTextViewStyle(int value)
{
    static constexpr std::uint8_t kButtonsKind[] = {0, 0, 1, 2};
    value = std::clamp(value, 0, 3);
    if (value == TextViewStyle())
        return;
    Updating([&] {
        SetButtonsStyleKind(kButtonsKind[value]);
        SetCaretHidden(value != 0);
    });
}

std::string TcxCustomTextEditProperties::ApplyEchoAndCase(const std::string& text) const
{
    return ::ApplyEchoAndCase(text, echoMode_, passwordChar_, charCase_);
}

// Values and their texts

TcxTextEditingMode TcxCustomTextEditProperties::GetEditingMode() const
{
    return caretHidden_ ? temNoEdit : temEdit;
}

TcxTextEditLookupDataClass TcxCustomTextEditProperties::GetLookupDataClass() const
{
    return &cxCreateTextEditLookupData;
}

bool TcxCustomTextEditProperties::IsLookupItem(const std::string& text) const
{
    return cxIsLookupItem(lookupItems_->Strings(), text);
}

bool TcxCustomTextEditProperties::IsBoundApplied(int which) const
{
    const TcxEditBounds bounds{AssignedValues().MinValue(), AssignedValues().MaxValue(), GetMinValue(),
                               GetMaxValue()};
    return ::IsBoundApplied(bounds, which);
}

bool TcxCustomTextEditProperties::IsEditValueValid(Variant& value, bool) const
{
    if (VarIsArray(value))
        return false;
    std::string text = VarToStr(value);
    if (!text.empty() && IsListMode(GetEditingMode()) && HasLookupData() && !IsLookupItem(text))
        return false;
    if (VarIsStr(value) && charCase_ != TEditCharCase::ecNormal)
        value = Variant(ApplyCharCase(text, charCase_));
    return true;
}

void TcxCustomTextEditProperties::GetEditFormatInfo(bool& isCurrency, bool& providerText, std::string& format,
                                                    const TcxCustomEdit* edit) const
{
    isCurrency = false;
    providerText = false;
    format.clear();
    if (AssignedValues().EditFormat()) {
        format = editFormat_;
        return;
    }
    IcxEditDefaultValuesProvider* provider = DefaultValuesProvider();
    if ((!edit || !edit->InPlace()) && provider && provider->HasTextHandler()) {
        providerText = true;
        return;
    }
    // The providers of this system give no formats of their own.
    if (useDisplayFormatWhenEditing_)
        format = DisplayFormat();
}

std::string TcxCustomTextEditProperties::FormatValueText(const Variant& value, bool editing,
                                                         const TcxCustomEdit* edit) const
{
    const TFormatSettings& settings = FormatSettings();
    if (editing) {
        bool isCurrency = false;
        bool providerText = false;
        std::string format;
        GetEditFormatInfo(isCurrency, providerText, format, edit);
        if (isCurrency)
            return CurrToStr(Currency(value.ToDouble()), settings);
        if (!format.empty())
            return FormatFloat(format, value.ToDouble(), settings);
        return FloatToStrDigits(value.ToDouble(), kDefaultPrecision, settings);
    }
    if (const std::string format = DisplayFormat(); !format.empty())
        return FormatFloat(format, value.ToDouble(), settings);
    return VarToStr(value);
}

std::string TcxCustomTextEditProperties::ValueToDisplayText(const Variant& value, bool editing) const
{
    if (NumericFormatting()) {
        if (VarIsNull(value) || VarIsEmpty(value))
            return {};
        const bool number = VarTypeIsInteger(value.VarType()) || VarTypeIsFloat(value.VarType()) ||
                            value.VarType() == varCurrency;
        if (!number && !VarIsStr(value))
            throw EConvertError("Could not convert to numeric value");
        return FormatValueText(value, editing);
    }
    if (VarIsArray(value))
        return {};
    return VarToStr(value);
}

void TcxCustomTextEditProperties::ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const
{
    Variant checked = value;
    if (VarIsNull(value) || !VarIsStr(value) || IsEditValueValid(checked, editing)) {
        displayValue = Variant(ValueToDisplayText(value, editing));
        return;
    }
    if (value.VarType() == varDate) {
        displayValue = Variant(DateTimeToStr(VarToDateTime(value), FormatSettings()));
        return;
    }
    displayValue = Variant(VarToStr(value));
}

std::string TcxCustomTextEditProperties::GetDisplayText(const Variant& value, bool fullText, bool) const
{
    Variant displayValue;
    try {
        ValueToDisplayValue(value, displayValue, !fullText && !HasUnfocusedDisplay());
    } catch (const EVariantError&) {
        return {};
    }
    return ApplyEchoAndCase(VarToStr(displayValue));
}

bool TcxCustomTextEditProperties::DisplayValuesEqual(const Variant& a, const Variant& b) const
{
    return GetDisplayText(a) == GetDisplayText(b);
}

// Validation

void TcxCustomTextEditProperties::CheckBounds(Variant& value, std::string& errorText, TcxCustomEdit* edit,
                                              bool& error)
{
    Variant editValue = value;
    if (edit)
        edit->PrepareEditValue(value, editValue, true);
    const TVarType type = editValue.VarType();
    const bool comparable = VarTypeIsInteger(type) || VarTypeIsFloat(type) || type == varCurrency || type == varDate;
    if (!comparable)
        return;
    const double number = editValue.ToDouble();
    if ((IsBoundApplied(0) && number < GetMinValue()) || (IsBoundApplied(1) && number > GetMaxValue())) {
        error = true;
        errorText = DefaultErrorText(1);
    }
}

void TcxCustomTextEditProperties::ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit,
                                                bool& error)
{
    if (NumericFormatting() && BoundsApply())
        CheckBounds(value, errorText, edit, error);
    TcxCustomEditProperties::ValidateValue(value, errorText, edit, error);
}

std::string TcxCustomTextEditProperties::DefaultErrorText(int kind) const
{
    return kind == 1 ? "Value out of bounds" : TcxCustomEditProperties::DefaultErrorText(kind);
}

TcxEditSupportedOperations TcxCustomTextEditProperties::GetSupportedOperations() const
{
    return TcxCustomEditProperties::GetSupportedOperations() | kTextEditOperations;
}

const TcxClass* TcxCustomTextEditProperties::GetEditClass() const
{
    return &cxTextEditClass;
}

std::unique_ptr<TcxCustomEditProperties> TcxCustomTextEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxCustomTextEditProperties>(nullptr);
}

std::unique_ptr<TcxCustomEditProperties> TcxTextEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxTextEditProperties>(nullptr);
}

// Form text

namespace {

constexpr TEnumName<TEditCharCase> kCharCases[] = {
    {"ecNormal", TEditCharCase::ecNormal},
    {"ecUpperCase", TEditCharCase::ecUpperCase},
    {"ecLowerCase", TEditCharCase::ecLowerCase},
};
constexpr TEnumName<TcxEditEchoMode> kEchoModes[] = {{"eemNormal", eemNormal}, {"eemPassword", eemPassword}};

} // namespace

const TPropertyTable& TcxCustomTextEditProperties::Properties() const
{
    using P = TcxCustomTextEditProperties;
    static const TPropertyTable table = TPropertyTable::Of<P>(TcxCustomEditProperties::Properties(), {
        {"AutoSelect", [](P& p, const TPropertyValue& v) { p.SetAutoSelect(v.Bool()); }},
        {"BeepOnError", [](P& p, const TPropertyValue& v) { p.SetBeepOnError(v.Bool()); }},
        {"CharCase", [](P& p, const TPropertyValue& v) { p.SetCharCase(v.Enum(kCharCases)); }},
        {"EchoMode", [](P& p, const TPropertyValue& v) { p.SetEchoMode(v.Enum(kEchoModes)); }},
        {"HideSelection", [](P& p, const TPropertyValue& v) { p.SetHideSelection(v.Bool()); }},
        {"IncrementalSearch", [](P& p, const TPropertyValue& v) { p.SetIncrementalSearch(v.Bool()); }},
        {"LookupItemsSorted", [](P& p, const TPropertyValue& v) { p.SetLookupItemsSorted(v.Bool()); }},
        {"MaxLength", [](P& p, const TPropertyValue& v) { p.SetMaxLength(v.Int()); }},
        {"OEMConvert", [](P& p, const TPropertyValue& v) { p.SetOEMConvert(v.Bool()); }},
        {"PasswordChar", [](P& p, const TPropertyValue& v) { p.SetPasswordChar(v.Text().empty() ? 0 : v.Text()[0]); }},
        {"ReadOnly", [](P& p, const TPropertyValue& v) { p.SetReadOnly(v.Bool()); }},
        {"ValidateOnEnter", [](P& p, const TPropertyValue& v) { p.SetValidateOnEnter(v.Bool()); }},
        // Written by older form texts in place of the assigned flag.
        {"IsDisplayFormatAssigned",
         [](P& p, const TPropertyValue& v) { p.AssignedValues().SetDisplayFormat(v.Bool()); }},
    });
    return table;
}
