#include "editors/controls/mask/cxmaskeditproperties.h"

#include "classlib/propertytable.h"
#include "classlib/variant.h"
#include "editors/controls/mask/cxmaskedit.h"
#include "editors/edit/properties/cxeditdefaultvaluesprovider.h"

const TcxClass cxCustomMaskEditPropertiesClass{"TcxCustomMaskEditProperties", &cxCustomTextEditPropertiesClass,
                                               nullptr};
const TcxClass cxMaskEditPropertiesClass{"TcxMaskEditProperties", &cxCustomMaskEditPropertiesClass, nullptr};

TcxCustomMaskEditProperties::TcxCustomMaskEditProperties(TPersistent* owner)
    : TcxCustomMaskEditProperties(owner, &TcxTextEditPropertiesValues::Create)
{
}

TcxCustomMaskEditProperties::TcxCustomMaskEditProperties(TPersistent* owner,
                                                         TcxCustomEditPropertiesValuesClass valuesClass)
    : TcxCustomTextEditProperties(owner, valuesClass)
{
    SetValidateOnEnter(true);
}

TcxCustomMaskEditProperties::~TcxCustomMaskEditProperties() = default;

void TcxCustomMaskEditProperties::Assign(const TPersistent& source)
{
    auto* properties = dynamic_cast<const TcxCustomMaskEditProperties*>(&source);
    if (!properties || properties == this) {
        TcxCustomTextEditProperties::Assign(source);
        return;
    }
    const TcxCustomMaskEditProperties& p = *properties;
    // Before anything changes: a mask its kind cannot compile leaves these as they are.
    CreateMode(p.maskKind_, nullptr, p.editMask_);
    Updating([&] {
        TcxCustomTextEditProperties::Assign(source);
        maskKind_ = p.maskKind_;
        editMask_ = p.editMask_;
        caseInsensitive_ = p.caseInsensitive_;
        ignoreMaskBlank_ = p.ignoreMaskBlank_;
        alwaysShowBlanksAndLiterals_ = p.alwaysShowBlanksAndLiterals_;
        Changed();
    });
}

void TcxCustomMaskEditProperties::SetAlwaysShowBlanksAndLiterals(bool value)
{
    if (alwaysShowBlanksAndLiterals_ == value)
        return;
    alwaysShowBlanksAndLiterals_ = value;
    Changed();
}

void TcxCustomMaskEditProperties::SetCaseInsensitive(bool value)
{
    caseInsensitive_ = CharCase() != TEditCharCase::ecNormal || value;
    Changed();
}

void TcxCustomMaskEditProperties::SetEditMask(const TcxEditMask& value)
{
    if (value == EffectiveEditMask()) {
        editMask_ = value;
        return;
    }
    CreateMode(maskKind_, nullptr, value);
    editMask_ = value;
    Changed();
}

void TcxCustomMaskEditProperties::SetIgnoreMaskBlank(bool value)
{
    ignoreMaskBlank_ = value;
}

void TcxCustomMaskEditProperties::SetMaskKind(TcxEditMaskKind value)
{
    if (maskKind_ == value)
        return;
    // An editor would otherwise be left with no mode, or one that never compiled.
    CreateMode(value, nullptr, EffectiveEditMask());
    maskKind_ = value;
    Changed();
}

bool TcxCustomMaskEditProperties::IsMasked() const
{
    return !cxIsBlankMask(EffectiveEditMask());
}

TcxMaskEditModeOptions TcxCustomMaskEditProperties::ModeOptions() const
{
    TcxMaskEditModeOptions options;
    options.BeepOnError = BeepOnError();
    options.CaseInsensitive = caseInsensitive_;
    options.IgnoreMaskBlank = ignoreMaskBlank_;
    options.CharCase = CharCase();
    options.EchoMode = EchoMode();
    return options;
}

TcxMaskEditModeClass TcxCustomMaskEditProperties::GetModeClass(TcxEditMaskKind kind) const
{
    return cxMaskEditModeClass(kind);
}

std::unique_ptr<TcxMaskEditCustomMode> TcxCustomMaskEditProperties::CreateMode(TcxEditMaskKind kind,
                                                                               TcxMaskEditPort* port,
                                                                               const TcxEditMask& mask) const
{
    return cxCreateMaskEditMode(GetModeClass(kind), port, ModeOptions(), mask);
}

TcxMaskEditCustomMode& TcxCustomMaskEditProperties::DisplayMode() const
{
    if (!displayMode_ || displayMode_->EditMask() != EffectiveEditMask())
        displayMode_ = CreateMode(maskKind_, nullptr, EffectiveEditMask());
    else
        displayMode_->SetOptions(ModeOptions());
    return *displayMode_;
}

Variant TcxCustomMaskEditProperties::GetEmptyValue() const
{
    if (!IsMasked())
        return TcxCustomTextEditProperties::GetEmptyValue();
    return Variant(DisplayMode().GetEmptyValue());
}

void TcxCustomMaskEditProperties::Changed()
{
    displayMode_.reset();
    // A mask fixes the length itself.
    if (IsMasked() && MaxLength() != 0) {
        SetMaxLength(0);
        return;
    }
    TcxCustomTextEditProperties::Changed();
}

void TcxCustomMaskEditProperties::CharCaseChanged()
{
    if (CharCase() != TEditCharCase::ecNormal)
        caseInsensitive_ = true;
    TcxCustomTextEditProperties::CharCaseChanged();
}

bool TcxCustomMaskEditProperties::HasLookupData() const
{
    return !IsMasked() && TcxCustomTextEditProperties::HasLookupData();
}

TcxEditDisplayFormatOptions TcxCustomMaskEditProperties::SupportsDisplayFormat() const
{
    return IsMasked() ? 0 : TcxCustomTextEditProperties::SupportsDisplayFormat();
}

bool TcxCustomMaskEditProperties::IsEditValueValid(Variant& value, bool editing) const
{
    return IsMasked() || TcxCustomTextEditProperties::IsEditValueValid(value, editing);
}

void TcxCustomMaskEditProperties::ValueToDisplayValue(const Variant& value, Variant& displayValue,
                                                      bool editing) const
{
    IcxEditDefaultValuesProvider* provider = DefaultValuesProvider();
    if (!IsMasked() || (!editing && provider && provider->IsDisplayFormatDefined(false))) {
        TcxCustomTextEditProperties::ValueToDisplayValue(value, displayValue, editing);
        return;
    }
    const std::string text = VarIsNull(value) || VarIsEmpty(value) ? std::string() : VarToStr(value);
    TcxMaskEditCustomMode& mode = DisplayMode();
    const bool laid = editing || maskKind_ != emkStandard || alwaysShowBlanksAndLiterals_;
    displayValue = Variant(laid ? mode.ApplyMask(text, false) : mode.GetValueTextOf(text, false));
}

void TcxCustomMaskEditProperties::ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit,
                                                bool& error)
{
    if (IsMasked() && !error) {
        const std::string text = VarIsNull(value) || VarIsEmpty(value) ? std::string() : VarToStr(value);
        if (!DisplayMode().IsTextValid(text)) {
            error = true;
            errorText = "The edit value is invalid";
        }
    }
    TcxCustomTextEditProperties::ValidateValue(value, errorText, edit, error);
}

const TcxClass* TcxCustomMaskEditProperties::GetEditClass() const
{
    return &cxMaskEditClass;
}

std::unique_ptr<TcxCustomEditProperties> TcxCustomMaskEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxCustomMaskEditProperties>(nullptr);
}

std::unique_ptr<TcxCustomEditProperties> TcxMaskEditProperties::CreateSameClass() const
{
    return std::make_unique<TcxMaskEditProperties>(nullptr);
}

// Form text

namespace {

constexpr TEnumName<TcxEditMaskKind> kMaskKinds[] = {
    {"emkStandard", emkStandard},
    {"emkRegExpr", emkRegExpr},
    {"emkRegExprEx", emkRegExprEx},
};

} // namespace

const TPropertyTable& TcxCustomMaskEditProperties::Properties() const
{
    using P = TcxCustomMaskEditProperties;
    static const TPropertyTable table = TPropertyTable::Of<P>(TcxCustomTextEditProperties::Properties(), {
        {"AlwaysShowBlanksAndLiterals", [](P& p, const TPropertyValue& v) { p.SetAlwaysShowBlanksAndLiterals(v.Bool()); }},
        {"CaseInsensitive", [](P& p, const TPropertyValue& v) { p.SetCaseInsensitive(v.Bool()); }},
        {"EditMask", [](P& p, const TPropertyValue& v) { p.SetEditMask(v.Text()); }},
        {"IgnoreMaskBlank", [](P& p, const TPropertyValue& v) { p.SetIgnoreMaskBlank(v.Bool()); }},
        {"MaskKind", [](P& p, const TPropertyValue& v) { p.SetMaskKind(v.Enum(kMaskKinds)); }},
    });
    return table;
}
