// The spin editor's making, its value, its steps and validation.
#include "editors/controls/spin/cxspinedit.h"

#include <exception>

#include "classlib/exceptions.h"
#include "classlib/formatsettings.h"
#include "classlib/handlercall.h"
#include "classlib/liveness.h"
#include "classlib/propertytable.h"
#include "editors/edit/editor/cxeditlocks.h"
#include "editors/edit/variants/cxvariants.h"

const TcxEditKind cxCustomSpinEditKind =
    cxEditKindOf<TcxCustomSpinEditProperties>(&TcxCustomInnerTextEdit::Create);
const TcxEditKind cxSpinEditKind = cxEditKindOf<TcxSpinEditProperties>(&TcxCustomInnerTextEdit::Create);

const TcxClass cxSpinEditClass{"TcxSpinEdit", &cxCustomEditClass,
                               []() -> std::unique_ptr<TComponent> { return std::make_unique<TcxSpinEdit>(); }};

namespace {

Variant VariantOf(const TcxSpinNumber& number)
{
    return std::visit([](auto v) { return Variant(v); }, number);
}

} // namespace

TcxCustomSpinEdit::TcxCustomSpinEdit(TComponent* owner, bool inPlace)
    : TcxCustomSpinEdit(owner, inPlace, cxCustomSpinEditKind)
{
}

TcxCustomSpinEdit::TcxCustomSpinEdit(TComponent* owner, bool inPlace, const TcxEditKind& kind)
    : TcxCustomMaskEdit(owner, inPlace, kind)
{
    InitSpinEdit();
}

void TcxCustomSpinEdit::InitSpinEdit()
{
    cachedValue_ = Variant(0.0);
    SetEditValueChecked(VariantOf(ActiveProperties().Clamped(TcxSpinNumber{0.0})));
}

TcxCustomSpinEdit::~TcxCustomSpinEdit()
{
    StopRepeat();
}

TcxSpinEdit::TcxSpinEdit(TComponent* owner, bool inPlace) : TcxCustomSpinEdit(owner, inPlace, cxSpinEditKind) {}

const TPropertyTable& TcxSpinEdit::Properties() const
{
    using E = TcxSpinEdit;
    static const TPropertyTable table = TPropertyTable::Of<E>(TcxCustomSpinEdit::Properties(), {
        {"Value", [](E& e, const TPropertyValue& v) { e.SetValue(Variant(v.Float())); }},
    });
    return table;
}

TPersistent* TcxSpinEdit::NestedObject(std::string_view name)
{
    if (name == "Properties")
        return &EditProperties();
    return TcxCustomSpinEdit::NestedObject(name);
}

// Value

void TcxCustomSpinEdit::SetValue(const Variant& value)
{
    if (!VarIsNumber(value))
        return;
    const std::optional<TcxSpinNumber> number = ActiveProperties().SpinValueOf(value);
    if (!number)
        return;
    SetEditValueChecked(VariantOf(*number));
}

Variant TcxCustomSpinEdit::GetSpinValue()
{
    TcxCustomSpinEditProperties& properties = ActiveProperties();
    if (Focused()) {
        if (textTyped_) {
            std::string errorText;
            if (const std::optional<Variant> read = ReadSpinText(GetDisplayText(), errorText))
                cachedValue_ = *read;
            textTyped_ = false;
        }
        const std::optional<TcxSpinNumber> cached = properties.SpinValueOf(cachedValue_);
        return cached ? VariantOf(*cached) : Variant::Null();
    }
    const std::optional<TcxSpinNumber> number = properties.SpinValueOf(GetEditValue());
    return number ? VariantOf(*number) : Variant::Null();
}

Variant TcxCustomSpinEdit::GetEditingValue() const
{
    return const_cast<TcxCustomSpinEdit*>(this)->GetSpinValue();
}

std::string TcxCustomSpinEdit::SpinValueToText(const Variant& value) const
{
    const std::optional<TcxSpinNumber> number = ActiveProperties().SpinValueOf(value);
    return number ? ActiveProperties().NumberToText(*number) : std::string();
}

std::optional<Variant> TcxCustomSpinEdit::ReadSpinText(const std::string& text, std::string& errorText)
{
    if (text.find_first_not_of(' ') == std::string::npos)
        return Variant::Null();
    TcxCustomSpinEditProperties& properties = ActiveProperties();
    if (const std::optional<TcxSpinNumber> number = properties.TextToNumber(text))
        return VariantOf(*number);
    if (properties.OnGetValue) {
        Variant value = Variant::Null();
        const TLiveness alive = Liveness();
        try {
            CallHandler(properties.OnGetValue, static_cast<TComponent&>(*this), text, value, errorText);
        } catch (const std::exception& e) {
            errorText = e.what();
            value = Variant::Null();
        }
        if (!alive)
            return std::nullopt;
        if (const std::optional<TcxSpinNumber> number = properties.SpinValueOf(value); number && errorText.empty())
            return VariantOf(*number);
    }
    if (errorText.empty())
        errorText = properties.DefaultErrorText(2);
    return std::nullopt;
}

void TcxCustomSpinEdit::PrepareEditValue(const Variant& displayValue, Variant& editValue, bool)
{
    std::string errorText;
    editValue = ReadSpinText(VarToStr(displayValue), errorText).value_or(cachedValue_);
}

void TcxCustomSpinEdit::ValidateSpinText(Variant& value, std::string& errorText, bool& error)
{
    TcxCustomSpinEditProperties& properties = ActiveProperties();
    Variant number = cachedValue_;
    if (textTyped_) {
        std::string readError;
        const std::optional<Variant> read = ReadSpinText(VarToStr(value), readError);
        if (!read && properties.ExceptionOnInvalidInput()) {
            error = true;
            errorText = readError;
            return;
        }
        number = read.value_or(cachedValue_);
    }
    std::optional<TcxSpinNumber> spin = properties.SpinValueOf(number);
    if (!spin)
        spin = properties.Clamped(TcxSpinNumber{std::int64_t{0}});
    const TcxSpinNumber clamped = properties.Clamped(*spin);
    if (properties.ExceptionOnInvalidInput() && cxSpinNumberAsDouble(clamped) != cxSpinNumberAsDouble(*spin)) {
        error = true;
        errorText = properties.DefaultErrorText(1);
        return;
    }
    cachedValue_ = VariantOf(clamped);
    textTyped_ = false;
    value = cachedValue_;
}

void TcxCustomSpinEdit::UpdateDisplay()
{
    TcxCustomSpinEditProperties& properties = ActiveProperties();
    if (const std::optional<TcxSpinNumber> number = properties.SpinValueOf(GetEditValue()))
        cachedValue_ = VariantOf(properties.Clamped(*number));
    else
        cachedValue_ = Variant::Null();
    textTyped_ = false;
    TFlagScope setting(Liveness(), settingSpinText_);
    TcxCustomMaskEdit::UpdateDisplay();
}

void TcxCustomSpinEdit::ContentChanged()
{
    if (!settingSpinText_)
        textTyped_ = true;
    TcxCustomMaskEdit::ContentChanged();
}

void TcxCustomSpinEdit::ApplyProperties(TcxCustomEditProperties& properties)
{
    const TLiveness alive = Liveness();
    TcxCustomMaskEdit::ApplyProperties(properties);
    if (!alive || !ModifiedSinceFocus() || DataBinding().IsEditing())
        return;
    CheckEditValue(false);
}

// Steps

double TcxCustomSpinEdit::GetIncrement(TcxSpinButtonKind kind) const
{
    return cxSpinIncrement(ActiveProperties().StepSettings(), kind);
}

void TcxCustomSpinEdit::SetSpinValue(const Variant& value)
{
    cachedValue_ = value;
    textTyped_ = false;
    const std::string text = SpinValueToText(value);
    const TLiveness alive = Liveness();
    if (!Focused()) {
        TFlagScope setting(alive, settingSpinText_);
        TFlagScope user(alive, byUserInput_);
        SetEditValueChecked(value);
        return;
    }
    TFlagScope setting(alive, settingSpinText_);
    TFlagScope keyboard(alive, keyboardAction_);
    SetText(text);
}

bool TcxCustomSpinEdit::DoIncrement(TcxSpinButtonKind kind)
{
    TcxEditChangeEventsLock events(*this);
    const TLiveness alive = Liveness();
    TcxCustomSpinEditProperties& properties = ActiveProperties();
    const Variant value = GetSpinValue();
    if (!alive)
        return false;
    const TcxSpinNumber from = properties.SpinValueOf(value).value_or(TcxSpinNumber{std::int64_t{0}});
    const std::optional<TcxSpinNumber> to = cxSpinStepBy(properties.StepSettings(), from, GetIncrement(kind));
    if (!to) {
        events.Release();
        return false;
    }
    const std::string oldText = GetDisplayText();
    const int oldStart = SelectionStart();
    const int oldLength = SelectionLength();
    SetSpinValue(VariantOf(*to));
    if (!alive)
        return false;
    const bool changed = GetDisplayText() != oldText;
    if (changed) {
        if (Focused())
            MarkUserModified(true);
        if (alive && ActiveProperties().KeepsSelectionOnStep())
            SelectRange(oldStart, oldLength);
        else if (alive)
            SelectRange(static_cast<int>(GetDisplayText().size()), 0);
        if (alive && ActiveProperties().ImmediatePost() && CanPostValue())
            PostValue(true);
    }
    if (alive)
        events.Release();
    return changed;
}
